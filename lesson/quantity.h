#pragma once

#include <string_view>

// What a task reads at the end of its experiment: a number of the state line
// by its path (see session/state_path.h), such as "angularVelocity[2]", or
// the length of a list of numbers written |PATH|, such as "|orientation|":
// the square root of the sum of the squares, taken first to last, which for
// the orientation is the very length the step normalises by.

// Throws StatePathError when no state line has the quantity.
void CheckQuantity(std::string_view quantity);

// The quantity's value in `stateLine`; throws StatePathError when it has none.
double QuantityValue(std::string_view stateLine, std::string_view quantity);
