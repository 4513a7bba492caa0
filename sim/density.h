#pragma once

#include <string_view>

// The density as typed into the density box: a decimal number, blanks around
// it allowed. Anything that is not a finite positive number throws DensityError,
// since a zero or negative density gives a body without mass.
double ParseDensity(std::string_view text);
