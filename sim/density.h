#pragma once

#include <cstddef>
#include <string_view>

// The longest density text read, the most a text box holds by default: a
// longer one is refused rather than cut, since its end may change its value.
inline constexpr std::size_t kLongestDensityText = 32767;

// The density as typed into the density box: a decimal number, blanks around
// it allowed. Anything that is not a finite positive number throws DensityError,
// since a zero or negative density gives a body without mass.
double ParseDensity(std::string_view text);
