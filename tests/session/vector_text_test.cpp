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
