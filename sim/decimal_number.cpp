#include "sim/decimal_number.h"

#include <charconv>
#include <cstdlib>
#include <string>

double DecimalNumberFromLibrary(const char* first, const char* last)
{
    // from_chars takes no leading '+'.
    const char* const unsignedOrMinus = *first == '+' ? first + 1 : first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(unsignedOrMinus, last, value);
    if (error == std::errc() && end == last) return value;
    // Out of range: strtod rounds an overflow to ±HUGE_VAL and an underflow to a
    // subnormal or zero, which is what a stream extraction of the number gives.
    const std::string terminated(first, last);
    return std::strtod(terminated.c_str(), nullptr);
}

std::optional<double> ParseDecimalNumber(std::string_view token)
{
    const char* const first = token.data();
    const char* const last = first + token.size();
    double value = 0.0;
    // An empty view may have no address at all, so nullptr can equal `last`.
    const char* const stop = ReadDecimalNumber(first, last, value);
    if (stop == nullptr || stop != last) return std::nullopt;
    return value;
}
