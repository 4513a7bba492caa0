#include "sim/decimal_number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Whether a number of the decimal form, already found out of a double's range,
// is at least 1 in size: the range runs from below 1e-323 to above 1e308, so
// such a number overflows exactly when it is not below 1. Read from the text
// alone, since the C library's reading follows the locale.
bool AtLeastOne(const char* p, const char* last)
{
    using decimal_number_detail::IsDigit;
    if (p != last && (*p == '+' || *p == '-')) ++p;
    // The power of ten of the first significant digit's place, plus one.
    std::ptrdiff_t place = 0;
    bool significant = false;
    for (; p != last && IsDigit(*p); ++p) {
        significant = significant || *p != '0';
        if (significant) ++place;
    }
    if (p != last && *p == '.') {
        for (++p; p != last && IsDigit(*p); ++p) {
            if (!significant && *p == '0') --place;
            significant = significant || *p != '0';
        }
    }
    if (!significant) return false;
    // The exponent is held short of overflow; beyond the limit no place can
    // bring the number back within range.
    constexpr std::ptrdiff_t kFarBeyondRange = std::ptrdiff_t{1} << 40;
    std::ptrdiff_t exponent = 0;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '+' || *p == '-')) ++p;
        for (; p != last && IsDigit(*p); ++p)
            if (exponent < kFarBeyondRange) exponent = exponent * 10 + (*p - '0');
        if (negative) exponent = -exponent;
    }
    if (place > kFarBeyondRange) place = kFarBeyondRange;
    if (place < -kFarBeyondRange) place = -kFarBeyondRange;
    return place + exponent > 0;
}

}  // namespace

double DecimalNumberFromLibrary(const char* first, const char* last)
{
    // from_chars takes no leading '+'.
    const char* const unsignedOrMinus = *first == '+' ? first + 1 : first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(unsignedOrMinus, last, value);
    if (error == std::errc() && end == last) return value;
    // Out of range: an overflow rounds to infinity and an underflow below the
    // smallest subnormal to zero, keeping the sign, as a stream extraction does.
    const double magnitude = AtLeastOne(first, last) ? std::numeric_limits<double>::infinity() : 0.0;
    return *first == '-' ? -magnitude : magnitude;
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
