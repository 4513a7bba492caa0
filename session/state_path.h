#pragma once

#include <stdexcept>
#include <string_view>

// A path that names no number of the state line; the message says which part.
class StatePathError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The number a path names in a state line: a key, then any number of `[index]`
// and `.key`, such as "angularVelocity[2]", "kineticEnergy[2]", "steps" or
// "drag.particleIndex". A `null` (a value that was not finite) reads as NaN,
// true and false as 1 and 0. Numbers read back to the very bits written.
double StateValue(std::string_view stateLine, std::string_view path);

// Throws StatePathError when `path` can name nothing in any state line.
void CheckStatePath(std::string_view path);
