#pragma once

#include <cfloat>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads one whole token as a decimal number: an optional sign, digits with an
// optional '.', an optional exponent, and nothing else (no "inf", "nan", hex or
// blanks). Returns nothing when the token has another form. A value too large
// for a double comes back infinite, so the caller can say so in its own words.
std::optional<double> ParseDecimalNumber(std::string_view token);

// The value of a number that ReadDecimalNumber's shortcut does not take:
// correctly rounded by from_chars, or by strtod when out of range.
double DecimalNumberFromLibrary(const char* first, const char* last);

namespace decimal_number_detail {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends the digits from p on to `digits` and returns where they end; one
// subtraction both tests a character and gives its value.
inline const char* AppendDigits(const char* p, const char* last, std::uint64_t& digits)
{
    for (; p != last; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) break;
        digits = digits * 10 + digit;
    }
    return p;
}

// Every power of ten up to 10^22 is a double exactly (5^22 < 2^53).
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr int kLargestExactPower = 22;
inline constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
// Nineteen digits always fit in 64 bits; more may wrap.
inline constexpr int kMostDigitsThatFit = 19;

}  // namespace decimal_number_detail

// The same form, read in place for a caller that finds the token's end itself:
// returns the end of the number that starts at `first`, taken as far as the
// form allows, or nullptr when no digit stands there or an exponent lacks
// digits. A token is a number exactly when this returns the token's end; since
// no blank fits the form, a scan of the whole text stops where the token's
// would. When the result is not nullptr, `value` is the number up to it,
// exactly as ParseDecimalNumber gives it.
//
// Defined here so that the data file's loop over millions of tokens inlines it.
inline const char* ReadDecimalNumber(const char* first, const char* last, double& value)
{
    using namespace decimal_number_detail;
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '+' || *p == '-')) ++p;

    // The digits before and after the point as one integer, while they fit.
    std::uint64_t digits = 0;
    const char* const wholeStart = p;
    p = AppendDigits(p, last, digits);
    int digitCount = static_cast<int>(p - wholeStart);
    int fractionDigits = 0;
    if (p != last && *p == '.') {
        const char* const fractionStart = ++p;
        p = AppendDigits(p, last, digits);
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
    value = DecimalNumberFromLibrary(first, p);
    return p;
}
