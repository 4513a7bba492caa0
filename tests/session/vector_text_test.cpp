#include "session/vector_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

std::string X(double c)
{
    const std::string text = VectorToText({c, 0, 0});
    return text.substr(1, text.find("  ") - 1);
}

// c moved by `places` doubles up (or down, when negative).
double Beside(double c, int places)
{
    for (; places > 0; --places) c = std::nextafter(c, std::numeric_limits<double>::infinity());
    for (; places < 0; ++places) c = std::nextafter(c, -std::numeric_limits<double>::infinity());
    return c;
}

}  // namespace

TEST(VectorToText, RoundsHalfUpToThousandthsInExtendedPrecision)
{
    EXPECT_EQ(X(35), "35");
    EXPECT_EQ(X(-20), "-20");
    EXPECT_EQ(X(0), "0");
    EXPECT_EQ(X(-0.0), "0");
    EXPECT_EQ(X(2.5), "2.5");
    EXPECT_EQ(X(0.123456), "0.123");
    EXPECT_EQ(X(1.9996), "2");
    EXPECT_EQ(X(0.0625), "0.063");
    EXPECT_EQ(X(-0.0625), "-0.062");
    EXPECT_EQ(X(-0.0006), "-0.001");
    EXPECT_EQ(X(-0.0004), "0");
    EXPECT_EQ(X(-0.79577), "-0.796");
    // 1.0005 is just below its decimal in binary; the double product rounds it
    // up to 1000.5 exactly, the extended one keeps it below.
    EXPECT_EQ(X(1.0005), "1");
    EXPECT_EQ(X(-1234.5), "-1234.5");
    EXPECT_EQ(X(0.01), "0.01");
}

TEST(VectorToText, JoinsWithTwoBlanks)
{
    EXPECT_EQ(VectorToText({35, -20, 0}), "[35  -20  0]");
    EXPECT_EQ(VectorToText({1.25, 0, 0}), "[1.25  0  0]");
}

TEST(VectorToText, BeyondThirtyTwoBitsAndNonFinite)
{
    EXPECT_EQ(X(2147483.647), "2147483.647");
    EXPECT_EQ(X(2147483.648), "2147483.648");
    EXPECT_EQ(X(-1e10), "-10000000000");
    EXPECT_EQ(X(1e20), "100000000000000000000");
    const std::string biggest = X(std::numeric_limits<double>::max());
    EXPECT_EQ(biggest.size(), 309u);
    EXPECT_EQ(biggest.substr(0, 6), "179769");
    EXPECT_EQ(X(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(X(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(X(std::nan("")), "NAN");
    EXPECT_EQ(X(std::numeric_limits<double>::denorm_min()), "0");
}

// Components whose product with 1000 lies beside a half-integer: the double
// nearest the decimal and its neighbours two places down and up. Each text is
// the exact ⌊c·1000 + 0.5⌋ of that double.
TEST(VectorToText, ProductsBesideAHalfInteger)
{
    struct Row {
        double c;
        const char* texts[5];  // for 2 and 1 places down, c itself, 1 and 2 places up
    };
    const Row rows[] = {
        {1.0045, {"1.004", "1.004", "1.004", "1.005", "1.005"}},  // 1.0045 itself is a hair below
        {1.0005, {"1", "1", "1", "1.001", "1.001"}},
        {-1.0005, {"-1.001", "-1.001", "-1", "-1", "-1"}},
        {0.0625, {"0.062", "0.062", "0.063", "0.063", "0.063"}},  // exact halves go up
        {-0.0625, {"-0.063", "-0.063", "-0.062", "-0.062", "-0.062"}},
        {0.1235, {"0.123", "0.123", "0.123", "0.124", "0.124"}},
        {-0.1235, {"-0.124", "-0.124", "-0.123", "-0.123", "-0.123"}},
        {0.0005, {"0", "0", "0.001", "0.001", "0.001"}},
        {-0.0005, {"-0.001", "-0.001", "-0.001", "0", "0"}},
        {5e-324, {"0", "0", "0", "0", "0"}},
        {-5e-324, {"0", "0", "0", "0", "0"}},
        {2147483.6475, {"2147483.647", "2147483.647", "2147483.647", "2147483.648", "2147483.648"}},
        {1234567.8905, {"1234567.89", "1234567.89", "1234567.89", "1234567.891", "1234567.891"}},
        {-1234567.8905, {"-1234567.891", "-1234567.891", "-1234567.89", "-1234567.89", "-1234567.89"}},
        {1099511627776.0625,
         {"1099511627776.062", "1099511627776.062", "1099511627776.063", "1099511627776.063", "1099511627776.063"}},
        {-1099511627776.0625,
         {"-1099511627776.063", "-1099511627776.063", "-1099511627776.062", "-1099511627776.062",
          "-1099511627776.062"}},
        {4503599627370495.5,
         {"4503599627370494.5", "4503599627370495", "4503599627370495.5", "4503599627370496", "4503599627370497"}},
        {-4503599627370495.5,
         {"-4503599627370497", "-4503599627370496", "-4503599627370495.5", "-4503599627370495", "-4503599627370494.5"}},
    };
    for (const Row& row : rows)
        for (int places = -2; places <= 2; ++places)
            EXPECT_EQ(X(Beside(row.c, places)), row.texts[places + 2]) << row.c << " moved " << places;
}
