#include "math/extended.h"

#include <bit>
#include <cmath>
#include <utility>

namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

// A 128-bit magnitude, high·2^64 + low: room for the exact product of two
// significands, and for the sum of two of them aligned 64 places apart.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

Wide MultiplyWide(std::uint64_t a, std::uint64_t b)
{
    // Schoolbook on 32-bit halves; `middle` gathers three numbers below 2^32
    // each, so it cannot overflow.
    const std::uint64_t aLow = a & 0xffffffff, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xffffffff, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow, highHigh = aHigh * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xffffffff) + (highLow & 0xffffffff);
    return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32), (middle << 32) | (lowLow & 0xffffffff)};
}

// m shifted right by n places, with every bit shifted out folded into the
// lowest bit kept (the "sticky" bit). Rounding compares the low 64 of the 128
// bits with a half; the lost bits only decide whether the rest is exactly a
// half (or exactly zero) or a little more, and the sticky bit keeps just that.
// Bits are lost only when one operand lies wholly below the other's last
// place; a difference then loses at most one leading bit, so the sticky bit
// stays far below the rounding place.
Wide ShiftRightSticky(Wide m, int n)
{
    if (n == 0) return m;
    if (n >= 128) return {0, (m.high | m.low) != 0};
    Wide shifted;
    std::uint64_t lost = 0;
    if (n < 64) {
        shifted = {m.high >> n, (m.low >> n) | (m.high << (64 - n))};
        lost = m.low << (64 - n);
    } else if (n == 64) {
        shifted = {0, m.high};
        lost = m.low;
    } else {
        shifted = {0, m.high >> (n - 64)};
        lost = (m.high << (128 - n)) | m.low;
    }
    shifted.low |= lost != 0;
    return shifted;
}

Wide ShiftLeft(Wide m, int n)
{
    if (n == 0) return m;
    if (n >= 64) return {m.low << (n - 64), 0};
    return {(m.high << n) | (m.low >> (64 - n)), m.low << n};
}

// m·2^exponent rounded to a 64-bit significand, ties to even. m is not zero.
Extended Round(bool negative, Wide m, int exponent)
{
    const int leadingZeros = m.high != 0 ? std::countl_zero(m.high) : 64 + std::countl_zero(m.low);
    m = ShiftLeft(m, leadingZeros);
    Extended rounded{negative, m.high, exponent - leadingZeros + 64};
    if (m.low > kTopBit || (m.low == kTopBit && (m.high & 1) != 0)) {
        if (++rounded.significand == 0) {  // all ones rounded up: the next power of two
            rounded.significand = kTopBit;
            ++rounded.exponent;
        }
    }
    return rounded;
}

bool MagnitudeBelow(Extended a, Extended b)
{
    if (a.significand == 0 || b.significand == 0) return a.significand < b.significand;
    return a.exponent != b.exponent ? a.exponent < b.exponent : a.significand < b.significand;
}

}  // namespace

Extended ToExtended(double finite)
{
    if (finite == 0) return {std::signbit(finite), 0, 0};
    if (!std::isfinite(finite)) return {};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(finite), &exponent);  // in [0.5, 1), 53 bits
    return {finite < 0, static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent - 64};
}

double ToDouble(Extended x)
{
    if (x.significand == 0) return x.negative ? -0.0 : 0.0;
    // A normal double keeps 53 of the 64 bits; below 2^−1022 its last place
    // stays at 2^−1074 and it keeps fewer. Values under 2^−1075 round to zero.
    const int leadingBit = x.exponent + 63;
    const int dropped = leadingBit >= -1022 ? 11 : 11 + (-1022 - leadingBit);
    if (dropped > 64) return x.negative ? -0.0 : 0.0;
    std::uint64_t kept = dropped == 64 ? 0 : x.significand >> dropped;
    const std::uint64_t rest = dropped == 64 ? x.significand : x.significand & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
    // kept has at most 53 bits, so both the conversion and the scaling are
    // exact, except that a value past the largest double scales to infinity,
    // which is the rounded result.
    const double magnitude = std::ldexp(static_cast<double>(kept), x.exponent + dropped);
    return x.negative ? -magnitude : magnitude;
}

Extended Add(Extended a, Extended b)
{
    if (b.significand == 0) return a.significand != 0 ? a : Extended{a.negative && b.negative, 0, 0};
    if (a.significand == 0) return b;
    if (MagnitudeBelow(a, b)) std::swap(a, b);

    // a's significand in the high word, b's aligned below it: the 128 bits
    // hold a·2^−64 exactly and b up to the sticky bit.
    const Wide big{a.significand, 0};
    const Wide small = ShiftRightSticky({b.significand, 0}, a.exponent - b.exponent);
    const int exponent = a.exponent - 64;

    // big's low word is zero, so the low words never carry or borrow.
    if (a.negative == b.negative) {
        Wide sum{big.high + small.high, small.low};
        if (sum.high >= big.high) return Round(a.negative, sum, exponent);
        // Carried out of 128 bits: keep the top 128 of the 129.
        sum = ShiftRightSticky(sum, 1);
        sum.high |= kTopBit;
        return Round(a.negative, sum, exponent + 1);
    }
    const Wide difference{big.high - small.high - (small.low != 0), std::uint64_t{0} - small.low};
    if (difference.high == 0 && difference.low == 0) return {};  // x − x is +0 when rounding to nearest
    return Round(a.negative, difference, exponent);
}

Extended Subtract(Extended a, Extended b)
{
    b.negative = !b.negative;
    return Add(a, b);
}

Extended Multiply(Extended a, Extended b)
{
    const bool negative = a.negative != b.negative;
    if (a.significand == 0 || b.significand == 0) return {negative, 0, 0};
    return Round(negative, MultiplyWide(a.significand, b.significand), a.exponent + b.exponent);
}

Extended Floor(Extended x)
{
    if (x.significand == 0 || x.exponent >= 0) return x;                                   // already whole
    if (x.exponent <= -64) return x.negative ? Extended{true, kTopBit, -63} : Extended{};  // |x| < 1: −1 or +0
    const std::uint64_t fraction = (std::uint64_t{1} << -x.exponent) - 1;
    if ((x.significand & fraction) == 0) return x;
    Extended whole{x.negative, x.significand & ~fraction, x.exponent};
    if (!x.negative) return whole;
    // A negative value with a fraction goes one further from zero.
    whole.significand += fraction + 1;
    if (whole.significand == 0) {
        whole.significand = kTopBit;
        ++whole.exponent;
    }
    return whole;
}

std::optional<std::int64_t> ToWholeNumber(Extended x)
{
    if (x.significand == 0) return 0;
    if (x.exponent >= 0 || x.exponent <= -64) return std::nullopt;  // at least 2^63, or below 1
    const int shift = -x.exponent;
    if ((x.significand & ((std::uint64_t{1} << shift) - 1)) != 0) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(x.significand >> shift);
    return x.negative ? -magnitude : magnitude;
}
