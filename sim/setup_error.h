#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A setup that was refused; the message says what was wrong, where, and what
// is accepted. The body and settings are left as they were.
class SetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A setup refused for its density text alone: the data file was not read.
class DensityError : public SetupError {
public:
    using SetupError::SetupError;
};

// Text from a file or the density box as it may stand in a message: in double
// quotes, cut short, control bytes shown as '?'.
std::string QuoteToken(std::string_view token);
