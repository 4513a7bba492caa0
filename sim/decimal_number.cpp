#include "sim/decimal_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const char* ScanDecimalNumber(const char* first, const char* last)
{
    const char* p = first;
    if (p != last && (*p == '+' || *p == '-')) ++p;
    const char* const digitsStart = p;
    while (p != last && IsDigit(*p)) ++p;
    bool anyDigit = p != digitsStart;
    if (p != last && *p == '.') {
        const char* const fractionStart = ++p;
        while (p != last && IsDigit(*p)) ++p;
        anyDigit = anyDigit || p != fractionStart;
    }
    if (!anyDigit) return nullptr;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != last && (*p == '+' || *p == '-')) ++p;
        const char* const exponentStart = p;
        while (p != last && IsDigit(*p)) ++p;
        if (p == exponentStart) return nullptr;
    }
    return p;
}

double DecimalNumberValue(const char* first, const char* last)
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
    // An empty view may have no address at all, so nullptr can equal `last`.
    const char* const stop = ScanDecimalNumber(first, last);
    if (stop == nullptr || stop != last) return std::nullopt;
    return DecimalNumberValue(first, last);
}
