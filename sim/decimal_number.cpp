#include "sim/decimal_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasDecimalSyntax(std::string_view token)
{
    std::size_t i = 0;
    const std::size_t n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(token[i])) ++i, ++digits;
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && IsDigit(token[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < n && IsDigit(token[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == n;
}

}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view token)
{
    if (!HasDecimalSyntax(token)) return std::nullopt;
    // from_chars takes no leading '+'.
    const std::string_view unsigned_or_minus = token.front() == '+' ? token.substr(1) : token;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(unsigned_or_minus.data(), unsigned_or_minus.data() + unsigned_or_minus.size(), value);
    if (error == std::errc() && end == unsigned_or_minus.data() + unsigned_or_minus.size()) return value;
    // Out of range: strtod rounds an overflow to ±HUGE_VAL and an underflow to a
    // subnormal or zero, which is what a stream extraction of the number gives.
    const std::string terminated(token);
    return std::strtod(terminated.c_str(), nullptr);
}
