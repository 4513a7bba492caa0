#pragma once

#include <optional>
#include <string_view>

// Reads one whole token as a decimal number: an optional sign, digits with an
// optional '.', an optional exponent, and nothing else (no "inf", "nan", hex or
// blanks). Returns nothing when the token has another form. A value too large
// for a double comes back infinite, so the caller can say so in its own words.
std::optional<double> ParseDecimalNumber(std::string_view token);

// The same form, read in place for a caller that finds the token's end itself:
// returns the end of the number that starts at `first`, taken as far as the
// form allows, or nullptr when no digit stands there or an exponent lacks
// digits. A token is a number exactly when this returns the token's end; since
// no blank fits the form, a scan of the whole text stops where the token's
// would. When the result is not nullptr, `value` is the number up to it,
// exactly as ParseDecimalNumber gives it.
const char* ReadDecimalNumber(const char* first, const char* last, double& value);
