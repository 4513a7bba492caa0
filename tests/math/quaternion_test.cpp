#include "math/quaternion.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using Q = Quaternion;

// A few roundings in each of sin, cos and the nine matrix entries.
constexpr double kRoundOff = 1e-15;

}  // namespace

TEST(Quaternion, MultiplyPutsTheSecondOperandOnTheLeft)
{
    const Quaternion q{0.5, -1.5, 2, 0.25};
    EXPECT_EQ(Multiply(Q{1, 0, 0, 0}, q), q);
    EXPECT_EQ(Multiply(q, Q{1, 0, 0, 0}), q);
    // i·j = k in Hamilton's notation, so Multiply(i, j) = j ⊗ i = −k.
    EXPECT_EQ(Multiply(Q{0, 1, 0, 0}, Q{0, 0, 1, 0}), (Quaternion{0, 0, 0, -1}));
    EXPECT_EQ(Multiply(Q{0, 0, 1, 0}, Q{0, 1, 0, 0}), (Quaternion{0, 0, 0, 1}));
    for (double c : {0.5, -3.0})
        for (double d : {1.0, 0.25})
            EXPECT_EQ(Multiply(Q{0, 0, 0, c}, Q{d, 0, 0, 2.5}), Multiply(Q{d, 0, 0, 2.5}, Q{0, 0, 0, c}));
}

TEST(Quaternion, NormalizeDividesByTheLength)
{
    EXPECT_EQ(Normalize({2, 0, 0, 0}), (Quaternion{1, 0, 0, 0}));
    EXPECT_EQ(Normalize({1, 1, 1, 1}), (Quaternion{0.5, 0.5, 0.5, 0.5}));
    const Quaternion q{1, 0, 0, 0.1};
    const double n = std::sqrt(1.0 + 0.1 * 0.1);
    EXPECT_EQ(Normalize(q), (Quaternion{1 / n, 0, 0, 0.1 / n}));
}

TEST(Quaternion, RotationMatrixIsNotNormalised)
{
    EXPECT_EQ(ToRotationMatrix({1, 0, 0, 0}), Identity());
    EXPECT_EQ(ToRotationMatrix({2, 0, 0, 0}), Identity());
    const Matrix3 r = ToRotationMatrix({0, 2, 0, 0});
    EXPECT_EQ(r, (Matrix3{{1, 0, 0, 0, -7, 0, 0, 0, -7}}));
}

TEST(Quaternion, RotationAboutZTurnsXTowardsY)
{
    const double theta = 0.7;
    const Matrix3 r = ToRotationMatrix({std::cos(theta / 2), 0, 0, std::sin(theta / 2)});
    const Matrix3 expected{{std::cos(theta), -std::sin(theta), 0, std::sin(theta), std::cos(theta), 0, 0, 0, 1}};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(r.m[i], expected.m[i], kRoundOff) << i;
    const Vector3 turned = Multiply(r, Vector3{1, 0, 0});
    EXPECT_GT(turned.y, 0.0);
}

TEST(Quaternion, OrientationUpdateGrowsTheLength)
{
    const Quaternion q{0.6, 0, 0.8, 0};
    const Quaternion omega{0, 0.3, -1.2, 2.0};
    const double dt = 0.2;
    const Quaternion next = Add(q, Scale(Scale(Multiply(omega, q), 0.5), dt));
    auto length = [](Quaternion p) { return std::sqrt(p.w * p.w + p.x * p.x + p.y * p.y + p.z * p.z); };
    const double speed = std::sqrt(0.3 * 0.3 + 1.2 * 1.2 + 2.0 * 2.0);
    EXPECT_NEAR(length(next), std::sqrt(1 + (dt * speed / 2) * (dt * speed / 2)), kRoundOff);
}
