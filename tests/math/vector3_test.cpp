#include "math/vector3.h"

#include <gtest/gtest.h>

TEST(Vector3, CrossIsRightHandedAndAnticommutative)
{
    const Vector3 x{1, 0, 0}, y{0, 1, 0};
    EXPECT_EQ(Cross(x, y), (Vector3{0, 0, 1}));
    EXPECT_EQ(Cross(y, x), (Vector3{0, 0, -1}));
    const Vector3 a{1.5, -2.25, 3}, b{-0.5, 4, 7.125};
    EXPECT_EQ(Cross(a, b), Scale(Cross(b, a), -1.0));
}

TEST(Vector3, SubtractIsExactDifference)
{
    const Vector3 a{0.1, -1e300, 3.0000000000000004}, b{0.3, 2.5e299, -7e-310};
    EXPECT_EQ(Subtract(a, a), ZeroVector());
    const Vector3 d = Subtract(a, b);
    EXPECT_EQ(d, (Vector3{a.x - b.x, a.y - b.y, a.z - b.z}));
}

// These three squares give a different sum in each order they are added in.
TEST(Vector3, DotAddsLeftToRight)
{
    const Vector3 a{0.1, 0.2, 0.5};
    EXPECT_EQ(Dot(a, a), (0.1 * 0.1 + 0.2 * 0.2) + 0.5 * 0.5);
    EXPECT_NE(Dot(a, a), 0.1 * 0.1 + (0.2 * 0.2 + 0.5 * 0.5));
    EXPECT_NE(Dot(a, a), (0.5 * 0.5 + 0.2 * 0.2) + 0.1 * 0.1);
}
