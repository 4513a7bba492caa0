#pragma once

#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

// Reads one whole token as a decimal number: an optional sign, digits with an
// optional '.', an optional exponent, and nothing else (no "inf", "nan", hex or
// blanks). Returns nothing when the token has another form. A value too large
// for a double comes back infinite, so the caller can say so in its own words.
std::optional<double> ParseDecimalNumber(std::string_view token);

// The value of a number that ReadDecimalNumber's shortcut does not take:
// correctly rounded by from_chars, the same in every locale.
double DecimalNumberFromLibrary(const char* first, const char* last);

namespace decimal_number_detail {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The eight bytes at p, the first in the lowest byte.
inline std::uint64_t LoadEight(const char* p)
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// How many of the eight values, first byte first, are digits (0 to 9). A byte
// of 10 or more sets its top bit after adding 0x76, or has it set already;
// a carry out of it can only reach later bytes, which do not count.
inline int LeadingDigitCount(std::uint64_t values)
{
    const std::uint64_t notDigit = ((values + 0x7676767676767676) | values) & 0x8080808080808080;
    return notDigit == 0 ? 8 : std::countr_zero(notDigit) / 8;
}

// The number that eight digit values spell, the first byte the most
// significant: pairs, then fours, then all eight, by three multiplications.
inline std::uint64_t EightDigitsValue(std::uint64_t values)
{
    values = values * 10 + (values >> 8);
    return (((values & 0x000000FF000000FF) * (100 + (std::uint64_t{1000000} << 32))) +
            (((values >> 16) & 0x000000FF000000FF) * (1 + (std::uint64_t{10000} << 32)))) >>
           32;
}

inline constexpr std::uint64_t kIntegerPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

// Appends the digits from p on to `digits` and returns where they end. Where
// eight bytes are there to read, a run's length is found without a branch per
// digit: the end of a run of two or three digits in a coordinate is what a
// processor guesses worst. Elsewhere one subtraction both tests and values a
// character.
inline const char* AppendDigits(const char* p, const char* last, std::uint64_t& digits)
{
    if constexpr (std::endian::native == std::endian::little) {
        while (last - p >= 8) {
            const std::uint64_t values = LoadEight(p) ^ 0x3030303030303030;
            const int run = LeadingDigitCount(values);
            if (run < 8) {
                // The run moved to the top bytes, zeros below it standing for
                // leading zeros; two shifts, since one of 64 would be undefined.
                const int shift = 8 * (8 - run);
                digits = digits * kIntegerPowersOfTen[run] + EightDigitsValue((values << (shift - 1)) << 1);
                return p + run;
            }
            digits = digits * 100000000 + EightDigitsValue(values);
            p += 8;
        }
    }
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
    // Counted in pointer widths: a token of 2^32 digits must not look short.
    p = AppendDigits(p, last, digits);
    std::ptrdiff_t digitCount = p - wholeStart;
    std::ptrdiff_t fractionDigits = 0;
    if (p != last && *p == '.') {
        const char* const fractionStart = ++p;
        p = AppendDigits(p, last, digits);
        fractionDigits = p - fractionStart;
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
    const std::ptrdiff_t scale = exponent - fractionDigits;
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
