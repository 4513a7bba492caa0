#include "math/extended.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

Extended X(double d) { return ToExtended(d); }

}  // namespace

TEST(Extended, DoublesConvertExactlyBothWays)
{
    const double max = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    for (double d : {1.0, -0.1, 1e-310, tiny, -tiny, max, -max, 0x1.fffffffffffffp-1, 3.0e-308})
        EXPECT_EQ(ToDouble(X(d)), d) << d;
    EXPECT_EQ(X(1.0), (Extended{false, kTopBit, -63}));
    EXPECT_TRUE(std::signbit(ToDouble(X(-0.0))));
    EXPECT_FALSE(std::signbit(ToDouble(X(0.0))));
}

TEST(Extended, StoringToDoubleRoundsToNearestEven)
{
    // 1 + 2^−53 is halfway between two doubles: it goes to the even one, 1.
    EXPECT_EQ(ToDouble({false, kTopBit + (1 << 10), -63}), 1.0);
    EXPECT_EQ(ToDouble({false, kTopBit + (3 << 10), -63}), 1 + 0x1p-51);
    EXPECT_EQ(ToDouble({true, kTopBit + (1 << 10) + 1, -63}), -(1 + 0x1p-52));
    // The sum is rounded to 64 bits first, to the tie 1 + 2^−53, and only
    // then to 1: the x87's double rounding, kept on purpose.
    EXPECT_EQ(ToDouble(Add(X(1), X(0x1p-53 + 0x1p-105))), 1.0);
}

TEST(Extended, StoringToDoubleGoesSubnormalZeroOrInfinite)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(ToDouble(Multiply(X(0x1p-1000), X(0x1.8p-74))), 2 * tiny);  // 1.5 smallest: tie to even
    EXPECT_EQ(ToDouble(Multiply(X(0x1p-1000), X(0x1.4p-74))), tiny);
    EXPECT_EQ(ToDouble(Multiply(X(0x1p-1000), X(0x1p-75))), 0.0);  // half the smallest: tie to zero
    EXPECT_EQ(ToDouble(Multiply(X(0x1p-1000), X(0x1.0000000000001p-75))), tiny);
    EXPECT_TRUE(std::signbit(ToDouble(Multiply(X(-0x1p-1000), X(0x1p-100)))));
    EXPECT_EQ(ToDouble(Multiply(X(0x0.fffffffffffffp-1022), X(1 + 0x1p-52))), 0x1p-1022);  // rounds up to normal
    EXPECT_EQ(ToDouble(Multiply(X(max), X(2))), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ToDouble(Add(X(-max), X(-0x1p970))), -std::numeric_limits<double>::infinity());  // half a place: tie
    EXPECT_EQ(ToDouble(Add(X(max), X(0x1.ffp969))), max);
    // Just under half a place, but 64 bits round it to the half first.
    EXPECT_EQ(ToDouble(Add(X(max), X(0x1.fffffffffffffp969))), std::numeric_limits<double>::infinity());
}

TEST(Extended, SumsKeepSixtyFourBitsAndSignedZeros)
{
    // 1.0045·1000 is exact in 64 bits and stays below 1004.5; a double
    // product rounds up to 1004.5 itself.
    const Extended product = Multiply(X(1.0045), X(1000));
    EXPECT_TRUE(Subtract(product, X(1004.5)).negative);
    EXPECT_EQ(1.0045 * 1000, 1004.5);

    EXPECT_EQ(Add(X(0x1p63), X(1)), (Extended{false, kTopBit + 1, 0}));
    EXPECT_EQ(Add(X(0x1p64), X(1)), X(0x1p64));                          // a tie: to even
    EXPECT_EQ(Add(X(0x1p64), X(3)), (Extended{false, kTopBit + 2, 1}));  // above a tie: up
    EXPECT_EQ(Subtract(X(0x1p64), X(0x1p-200)), X(0x1p64));              // far below the last place
    EXPECT_EQ(Subtract(X(1), X(0x1p-64)), (Extended{false, ~std::uint64_t{0}, -64}));

    EXPECT_EQ(Add(X(-0.0), X(-0.0)), X(-0.0));
    EXPECT_EQ(Add(X(0.0), X(-0.0)), X(0.0));
    EXPECT_EQ(Add(X(0.5), X(-0.5)), X(0.0));
    EXPECT_EQ(Multiply(X(-0.0), X(3)), X(-0.0));
}

TEST(Extended, FloorGoesTowardMinusInfinity)
{
    EXPECT_EQ(Floor(X(2.5)), X(2));
    EXPECT_EQ(Floor(X(-2.5)), X(-3));
    EXPECT_EQ(Floor(X(0.5)), X(0));
    EXPECT_EQ(Floor(X(-0x1p-100)), X(-1));
    EXPECT_EQ(Floor(X(-0.0)), X(-0.0));
    EXPECT_EQ(Floor(X(-3)), X(-3));
    EXPECT_EQ(Floor(X(0x1p70)), X(0x1p70));
    // −(2^63 − 0.5) floors to −2^63: the carry reaches the next power of two.
    EXPECT_EQ(Floor({true, ~std::uint64_t{0}, -1}), X(-0x1p63));
}

TEST(Extended, WholeNumbersBelowTwoToTheSixtyThree)
{
    EXPECT_EQ(ToWholeNumber(X(-1234)), -1234);
    EXPECT_EQ(ToWholeNumber(X(-0.0)), 0);
    EXPECT_EQ(ToWholeNumber(X(0x1p62 + 0x1p10)), std::int64_t{1} << 62 | 1 << 10);
    EXPECT_EQ(ToWholeNumber({false, ~std::uint64_t{0}, -1}), std::nullopt);  // 2^63 − 0.5
    EXPECT_EQ(ToWholeNumber(X(0x1p63)), std::nullopt);
    EXPECT_EQ(ToWholeNumber(X(0.5)), std::nullopt);
}

#if LDBL_MANT_DIG == 64

// Where long double is the x87 type, every operation must give its bits
// exactly, on random operands and on the ones where rounding is hardest.
namespace {

Extended FromLongDouble(long double x)
{
    if (x == 0) return {std::signbit(x), 0, 0};
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &exponent);
    return {x < 0, static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent - 64};
}

long double ToLongDouble(Extended x)
{
    const long double magnitude = std::ldexp(static_cast<long double>(x.significand), x.exponent);
    return x.negative ? -magnitude : magnitude;
}

// Significands whose low bits sit at or beside a rounding boundary, of 64 bits
// and of 53: ties, one above, one below, all ones.
std::vector<std::uint64_t> HardSignificands()
{
    std::vector<std::uint64_t> all = {kTopBit,
                                      kTopBit + 1,
                                      ~std::uint64_t{0},
                                      ~std::uint64_t{0} - 1,
                                      kTopBit | kTopBit >> 1,
                                      0xaaaaaaaaaaaaaaaa,
                                      0xf000000000000001};
    for (std::uint64_t low : {0x400, 0x3ff, 0x401, 0x7ff, 0xc00, 0x800}) {
        all.push_back(kTopBit | low);
        all.push_back(~std::uint64_t{0x7ff} | low);
    }
    return all;
}

struct Operands {
    std::mt19937_64 random{20240611};

    Extended Any(int lowestExponent, int highestExponent)
    {
        std::uint64_t significand = random() | kTopBit;
        // Half of them with a short significand, as a double's or a sum's.
        if (random() % 2 == 0) significand &= ~std::uint64_t{0} << (random() % 64);
        const int exponent = std::uniform_int_distribution<int>(lowestExponent, highestExponent)(random);
        return {random() % 2 == 0, significand, exponent};
    }
};

void ExpectSameAsX87(Extended a, Extended b)
{
    const long double la = ToLongDouble(a), lb = ToLongDouble(b);
    ASSERT_EQ(Add(a, b), FromLongDouble(la + lb)) << la << " + " << lb;
    ASSERT_EQ(Subtract(a, b), FromLongDouble(la - lb)) << la << " - " << lb;
    ASSERT_EQ(Multiply(a, b), FromLongDouble(la * lb)) << la << " * " << lb;
    ASSERT_EQ(Floor(a), FromLongDouble(std::floor(la))) << la;
    const double stored = static_cast<double>(la);
    ASSERT_EQ(std::signbit(ToDouble(a)), std::signbit(stored)) << la;
    ASSERT_EQ(ToDouble(a), stored) << la;
}

}  // namespace

TEST(ExtendedAgainstX87, RandomOperands)
{
    Operands operands;
    // Exponents apart by up to 200 places, far inside the x87's range, so
    // that its results never overflow or go subnormal.
    for (int i = 0; i < 200000; ++i) {
        const Extended a = operands.Any(-300, 300);
        Extended b = operands.Any(-300, 300);
        if (i % 2 == 0) b.exponent = a.exponent - static_cast<int>(operands.random() % 140);
        ExpectSameAsX87(a, b);
    }
}

TEST(ExtendedAgainstX87, OperandsAtRoundingBoundaries)
{
    const std::vector<std::uint64_t> significands = HardSignificands();
    for (std::uint64_t sa : significands)
        for (std::uint64_t sb : significands)
            for (int apart : {0, 1, 2, 10, 11, 12, 52, 53, 54, 62, 63, 64, 65, 66, 100, 126, 127, 128, 129, 130, 200})
                for (bool negative : {false, true}) ExpectSameAsX87({false, sa, -40}, {negative, sb, -40 - apart});
}

TEST(ExtendedAgainstX87, StoringNearTheEndsOfTheDoubleRange)
{
    Operands operands;
    const std::vector<std::uint64_t> significands = HardSignificands();
    // Leading bits from 2^−1140 (below half the smallest subnormal) through
    // the subnormals up to 2^1030 (past the largest double).
    for (int leadingBit : {-1140, -1076, -1075, -1074, -1073, -1060, -1023, -1022, -1021, 1022, 1023, 1024, 1030})
        for (std::uint64_t s : significands) ExpectSameAsX87({true, s, leadingBit - 63}, {});
    for (int i = 0; i < 100000; ++i) {
        const Extended a = operands.Any(-1140 - 63, -1000 - 63);
        const Extended b = operands.Any(1000 - 63, 1030 - 63);
        ExpectSameAsX87(a, b);
        ExpectSameAsX87(b, a);
    }
}

#endif
