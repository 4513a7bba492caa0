#include "sim/time_step.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "sim/body_setup.h"
#include "tests/test_files.h"

namespace {

constexpr double kDt = 0.2;
constexpr int kWidth = 879;
constexpr int kHeight = 552;

struct World {
    RigidBody body;
    SimulationSettings settings;
};

World AtRest(std::string_view data = "3  100 60  104 60  100 66")
{
    const TempFile file(data);
    World w;
    SetupBody(w.body, w.settings, "1", file.path());
    return w;
}

void Step(World& w, int width = kWidth, int height = kHeight) { StepBody(w.body, w.settings, kDt, width, height); }

// The relations that tie the derived fields to the state, checked exactly:
// they are recomputed at the end of every step from the stored fields.
void ExpectDerivedFieldsConsistent(const RigidBody& b)
{
    EXPECT_EQ(b.linearVelocity, Scale(b.linearMomentum, 1.0 / b.totalMass));
    EXPECT_EQ(b.rotation, ToRotationMatrix(Normalize(b.orientation)));
    EXPECT_EQ(b.inverseInertia, Multiply(b.rotation, Multiply(b.bodyInertiaInverse, Transpose(b.rotation))));
    EXPECT_EQ(b.angularVelocity, Multiply(b.inverseInertia, b.angularMomentum));
}

}  // namespace

TEST(StepBody, BodyAtRestStaysAtRest)
{
    World w = AtRest();
    const RigidBody before = w.body;
    Step(w);
    EXPECT_EQ(w.body.position, before.position);
    EXPECT_EQ(w.body.orientation, before.orientation);
    EXPECT_EQ(w.body.linearMomentum, ZeroVector());
    EXPECT_EQ(w.body.angularMomentum, ZeroVector());
    EXPECT_EQ(w.body.linearVelocity, ZeroVector());
    EXPECT_EQ(w.body.angularVelocity, ZeroVector());
    EXPECT_EQ(w.body.rotation, Identity());
    EXPECT_EQ(w.body.inverseInertia, w.body.bodyInertiaInverse);
}

TEST(StepBody, ConstantForceOverTwoSteps)
{
    World w = AtRest();
    const Vector3 start = w.body.position;
    const Vector3 force{3, -2, 0};
    w.body.force = force;
    Step(w);
    EXPECT_EQ(w.body.position, start);
    EXPECT_EQ(w.body.linearMomentum, Scale(force, kDt));
    Step(w);
    const Vector3 moved = Subtract(w.body.position, start);
    EXPECT_NEAR(moved.x, force.x * kDt * kDt / w.body.totalMass, 1e-12);
    EXPECT_NEAR(moved.y, force.y * kDt * kDt / w.body.totalMass, 1e-12);
    EXPECT_EQ(w.body.linearMomentum, Add(Scale(force, kDt), Scale(force, kDt)));
    EXPECT_EQ(w.body.force, force);
}

TEST(StepBody, AnEdgeItselfIsOutside)
{
    for (Vector3 p : {Vector3{kWidth / 4.0, 50, 0}, Vector3{0, 50, 0}, Vector3{50, kHeight / 4.0, 0}, Vector3{50, 0, 0},
                      Vector3{-1, -1, 0}}) {
        World w = AtRest();
        w.body.position = p;
        w.body.linearMomentum = {1, 2, 0};
        w.body.linearVelocity = ZeroVector();
        w.body.force = {5, -6, 0};
        Step(w);
        EXPECT_EQ(w.body.force, (Vector3{-5, 6, -0.0})) << p.x << "," << p.y;
        EXPECT_EQ(w.body.linearMomentum, Add(Vector3{-1, -2, -0.0}, Scale(w.body.force, kDt)));
        EXPECT_EQ(w.body.position, p);
    }
}

TEST(StepBody, CrossingTheRightEdgeAndComingBack)
{
    World w = AtRest("1 219.6 100");
    w.body.linearMomentum = Scale(Vector3{1, 0.5, 0}, w.body.totalMass);
    w.body.linearVelocity = Scale(w.body.linearMomentum, 1.0 / w.body.totalMass);
    const Vector3 before = w.body.position;
    Step(w);  // 219.8 · 4 > 879: outside
    EXPECT_GT(w.body.position.x * 4, kWidth);
    EXPECT_LT(w.body.linearMomentum.x, 0.0);
    EXPECT_LT(w.body.linearMomentum.y, 0.0);
    Step(w);
    EXPECT_NEAR(w.body.position.x, before.x, 1e-12);
    EXPECT_NEAR(w.body.position.y, before.y, 1e-12);
    Step(w);
    EXPECT_LT(w.body.position.x, before.x);
    EXPECT_LT(w.body.position.y, before.y);
}

TEST(StepBody, ResizedAreaMovesTheEdges)
{
    World w = AtRest("1 150 100");
    w.body.force = {1, 0, 0};
    Step(w, 500, 552);  // 150 · 4 = 600 ≥ 500: outside
    EXPECT_EQ(w.body.force.x, -1.0);
    Step(w, 879, 552);
    EXPECT_EQ(w.body.force.x, -1.0);
}

TEST(StepBody, OnlyTheCentreOfMassIsTested)
{
    World w = AtRest("2 -1 50 3 50");  // centre at x = 1, a particle beyond the left edge
    w.body.force = {1, 0, 0};
    Step(w);
    EXPECT_EQ(w.body.force.x, 1.0);
}

TEST(StepBody, RestingOutsideOnlyFlipsSignsOfZero)
{
    World w = AtRest("1 -10 -10");
    const Vector3 p = w.body.position;
    Step(w);
    EXPECT_EQ(w.body.position, p);
    EXPECT_TRUE(std::signbit(w.body.force.x));
}

TEST(StepBody, TurnStoresTheOrientationUnnormalised)
{
    World w = AtRest();
    w.body.angularVelocity = {0, 0, 1};
    Step(w);
    EXPECT_EQ(w.body.orientation, (Quaternion{1, 0, 0, 0.1}));
    EXPECT_EQ(w.body.rotation, ToRotationMatrix(Normalize({1, 0, 0, 0.1})));
    EXPECT_NEAR(std::atan2(w.body.rotation(1, 0), w.body.rotation(0, 0)), 2 * std::atan(0.1), 1e-15);

    World v = AtRest();
    v.body.orientation = {0, 0, 0, 1};
    v.body.angularVelocity = {1, 0, 0};
    Step(v);
    EXPECT_EQ(v.body.orientation, (Quaternion{0, 0, 0.1, 1}));
}

TEST(StepBody, BodyWithoutMassIsLeftAlone)
{
    World w;
    w.body.force = {1, 1, 0};
    const RigidBody before = w.body;
    Step(w);
    EXPECT_EQ(w.body, before);
}

TEST(StepBody, LongPushedTurningRunKeepsItsRelations)
{
    World w = AtRest();
    // A spin of a few tenths of a radian per unit time and a faint torque: a
    // steady torque would make the angular velocity, and with it the stored
    // orientation's length, grow without bound long before 10^5 steps.
    w.body.force = {40, 25, 0};
    w.body.angularMomentum = {0, 0, 5};
    w.body.torque = {0, 0, 1e-5};
    std::mt19937 random(7);
    for (int i = 1; i <= 100000; ++i) {
        const Quaternion q = w.body.orientation;
        const Vector3 omega = w.body.angularVelocity;
        Step(w);
        // Advanced from the stored value and stored as is: never normalised.
        ASSERT_EQ(w.body.orientation,
                  Add(q, Scale(Scale(Multiply(Quaternion{0, omega.x, omega.y, omega.z}, q), 0.5), kDt)));
        if (i % 101 == 0) ExpectDerivedFieldsConsistent(w.body);
        if (i % 10007 == 0) w.body.force = Add(w.body.force, {static_cast<double>(random() % 9) - 4.0, 1, 0});
    }
    const Quaternion q = w.body.orientation;
    const double length = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
    EXPECT_GT(length, 1.0);
    EXPECT_TRUE(std::isfinite(length));
}
