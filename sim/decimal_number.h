#pragma once

#include <optional>
#include <string_view>

// Reads one whole token as a decimal number: an optional sign, digits with an
// optional '.', an optional exponent, and nothing else (no "inf", "nan", hex or
// blanks). Returns nothing when the token has another form. A value too large
// for a double comes back infinite, so the caller can say so in its own words.
std::optional<double> ParseDecimalNumber(std::string_view token);
