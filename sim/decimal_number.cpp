#include "sim/decimal_number.h"

#include <cfloat>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Correctly rounded, as the standard requires of from_chars; out of range,
// as strtod rounds it.
double ConvertedByTheLibrary(const char* first, const char* last)
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

// Every power of ten up to 10^22 is a double exactly (5^22 < 2^53).
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
// Nineteen digits always fit in 64 bits; more may wrap.
constexpr int kMostDigitsThatFit = 19;

}  // namespace

const char* ReadDecimalNumber(const char* first, const char* last, double& value)
{
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '+' || *p == '-')) ++p;

    // The digits before and after the point as one integer, while they fit.
    std::uint64_t digits = 0;
    const char* const wholeStart = p;
    while (p != last && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
    int digitCount = static_cast<int>(p - wholeStart);
    int fractionDigits = 0;
    if (p != last && *p == '.') {
        const char* const fractionStart = ++p;
        while (p != last && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
        fractionDigits = static_cast<int>(p - fractionStart);
        digitCount += fractionDigits;
    }
    if (digitCount == 0) return nullptr;

    int exponent = 0;  // held short of overflow: any such exponent leaves the exact range anyway
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativeExponent = p != last && *p == '-';
        if (p != last && (*p == '+' || *p == '-')) ++p;
        const char* const exponentStart = p;
        while (p != last && IsDigit(*p)) {
            if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (p == exponentStart) return nullptr;
        if (negativeExponent) exponent = -exponent;
    }

    // digits × 10^scale. When both factors are doubles exactly, one correctly
    // rounded product or quotient is the correctly rounded value of the text:
    // the same bits from_chars gives, by the same shortcut it takes itself.
    // Anything longer or farther from 1 goes to the library.
    const int scale = exponent - fractionDigits;
#if FLT_EVAL_METHOD == 0
    if (digitCount <= kMostDigitsThatFit && digits <= kLargestExactInteger && scale >= -kLargestExactPower &&
        scale <= kLargestExactPower) {
        const double whole = static_cast<double>(digits);
        const double magnitude = scale < 0 ? whole / kPowersOfTen[-scale] : whole * kPowersOfTen[scale];
        value = negative ? -magnitude : magnitude;
        return p;
    }
#endif
    value = ConvertedByTheLibrary(first, p);
    return p;
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
