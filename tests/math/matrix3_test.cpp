#include "math/matrix3.h"

#include <gtest/gtest.h>

namespace {

// Products of a well-conditioned matrix and its inverse round off in the last
// few bits of each of the nine sums.
constexpr double kRoundOff = 1e-14;

Matrix3 Diagonal(double a, double b, double c)
{
    Matrix3 m;
    m(0, 0) = a;
    m(1, 1) = b;
    m(2, 2) = c;
    return m;
}

Matrix3 Sample() { return Matrix3{{2.0, -1.0, 0.5, 0.25, 3.0, 1.0, -0.75, 0.5, 4.0}}; }

}  // namespace

TEST(Matrix3, InverseOfIdentityIsExact) { EXPECT_EQ(Inverse(Identity()), Identity()); }

TEST(Matrix3, InverseOfDiagonalUsesOneReciprocalOfTheDeterminant)
{
    const double a = 3.0, b = 7.0, c = 0.1;
    const double k = 1.0 / ((b * c) * a);
    EXPECT_EQ(Inverse(Diagonal(a, b, c)), Diagonal(b * c * k, a * c * k, a * b * k));
}

TEST(Matrix3, InverseFollowsTheAdjugateFormula)
{
    const Matrix3 a = Sample();
    const Matrix3 inverse = Inverse(a);
    // One element spelled out in full, rounding and all.
    const double det = (a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1)) * a(0, 0) +
                       (a(1, 2) * a(2, 0) - a(2, 2) * a(1, 0)) * a(0, 1) +
                       (a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0)) * a(0, 2);
    EXPECT_EQ(inverse(1, 0), (a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2)) * (1.0 / det));

    const Matrix3 product = Multiply(a, inverse);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(product(r, c), r == c ? 1.0 : 0.0, kRoundOff);
}

TEST(Matrix3, MultiplyPutsTheFirstOperandOnTheLeft)
{
    const Matrix3 a = Sample();
    const Matrix3 b = Transpose(Sample());
    EXPECT_NE(Multiply(a, b), Multiply(b, a));
    const Matrix3 ab = Multiply(a, b);
    EXPECT_EQ(ab(0, 1), a(0, 0) * b(0, 1) + a(0, 1) * b(1, 1) + a(0, 2) * b(2, 1));
    const Vector3 v = Multiply(a, Vector3{1, 2, 3});
    EXPECT_EQ(v.y, a(1, 0) * 1 + a(1, 1) * 2 + a(1, 2) * 3);
}

TEST(Matrix3, OuterProductAndTranspose)
{
    const Vector3 u{1, 2, 3}, v{-4, 0.5, 6};
    const Matrix3 uv = OuterProduct(u, v);
    EXPECT_EQ(uv(2, 0), 3 * -4.0);
    EXPECT_EQ(uv, Transpose(OuterProduct(v, u)));
    EXPECT_EQ(Transpose(Transpose(Sample())), Sample());
}

TEST(Matrix3, AddAndScaleWorkElementByElement)
{
    const Matrix3 a = Sample();
    EXPECT_EQ(Add(a, a), Scale(a, 2.0));  // x + x is 2·x exactly
    EXPECT_EQ(Add(a, Scale(a, -1.0)), ZeroMatrix());
}
