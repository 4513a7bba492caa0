#include "sim/rigid_body.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

void ExpectDiagonalOnly(const Matrix3& m, double diagonal)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(m(r, c), r == c ? diagonal : 0.0) << r << "," << c;
}

}  // namespace

TEST(InitParticle, DiscMassAndSphereInertia)
{
    Particle p;
    InitParticle(p, {5, 7, 0}, 1.0, 1.0);
    EXPECT_EQ(p.radius, 1.0);
    EXPECT_EQ(p.centerOfMass, (Vector3{5, 7, 0}));
    EXPECT_EQ(p.mass, 3.1415926535);
    ExpectDiagonalOnly(p.inertiaTensor, 2 * 3.1415926535 * 1.0 * 0.2);
    EXPECT_NEAR(p.inertiaTensor(0, 0), 1.2566370614, 1e-15);
    // The ten-decimal π, not the real one.
    EXPECT_NEAR(p.mass - std::numbers::pi, -8.979e-11, 1e-13);

    InitParticle(p, {}, 1.0, 2.0);
    EXPECT_EQ(p.mass, 6.283185307);
    EXPECT_NEAR(p.inertiaTensor(1, 1), 2.5132741228, 1e-15);

    InitParticle(p, {}, 1.0, 0.0);
    EXPECT_EQ(p.mass, 0.0);
    ExpectDiagonalOnly(p.inertiaTensor, 0.0);
}

TEST(InitParticle, MultipliesLeftToRight)
{
    Particle p;
    const double r = 0.3, density = 0.7;
    InitParticle(p, {}, r, density);
    EXPECT_EQ(p.mass, ((PI_APPROX * r) * r) * density);
    EXPECT_EQ(p.inertiaTensor(2, 2), ((2 * p.mass) * (r * r)) * 0.2);
}
