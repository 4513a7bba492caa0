#include "session/mouse_push.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "tests/session/recording_canvas.h"

namespace {

// The worked example: scale 4, a 552-pixel-high area, the body at (100, 60)
// and the particle pushed at offset (10, 5) with radius 1.
struct Example : testing::Test {
    Example()
    {
        body.position = {100, 60, 0};
        body.particles.resize(2);
        InitParticle(body.particles[0], {-30, -30, 0}, 1.0, 1.0);
        InitParticle(body.particles[1], {10, 5, 0}, 1.0, 1.0);
        body.totalMass = body.particles[0].mass + body.particles[1].mass;
        settings.particleCount = 2;
    }

    RigidBody body;
    SimulationSettings settings;
    DragState drag;
    RecordingCanvas canvas{879, 552};
    TextCells cells;
};

}  // namespace

TEST_F(Example, PushAddsForceAndTorqueDrawsArrowThenScene)
{
    PressAt(drag, body, settings, 552, 443, 290);
    EXPECT_EQ(drag, (DragState{440, 292, 1}));
    EXPECT_TRUE(canvas.calls.empty());

    ReleaseAt(drag, body, settings, canvas, cells, 460, 272);
    EXPECT_EQ(body.force, (Vector3{20, 20, 0}));
    EXPECT_EQ(body.torque, (Vector3{0, 0, 100}));
    EXPECT_EQ(drag, DragState{});
    const std::vector<std::string> arrow = {"move 460 272", "line 440 292", "move 460 272",
                                            "line 458 280", "move 452 274", "line 460 272"};
    ASSERT_GT(canvas.calls.size(), arrow.size());
    EXPECT_EQ(std::vector<std::string>(canvas.calls.begin(), canvas.calls.begin() + 6), arrow);
    // Then the scene over it, not cleared first.
    EXPECT_EQ(canvas.calls[6], "brush 16711680");
    EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), "text 10 10 force = [20  20  0]"),
              canvas.calls.end());
}

TEST_F(Example, HitTestBoundaryAndOrder)
{
    // Exactly one scaled radius from the centre (440, 292) is a hit.
    EXPECT_EQ(ParticleAt(body, settings, 552, 444, 292), 1);
    EXPECT_EQ(ParticleAt(body, settings, 552, 445, 292), -1);
    // Overlapping particles: the lower index wins.
    body.particles[0].centerOfMass = {10.5, 5, 0};
    EXPECT_EQ(ParticleAt(body, settings, 552, 441, 292), 0);
}

TEST_F(Example, HitTestUsesTheUnrotatedPlace)
{
    body.rotation = ToRotationMatrix(Normalize({1, 0, 0, 1}));
    EXPECT_EQ(ParticleAt(body, settings, 552, 440, 292), 1);
}

TEST_F(Example, MissesAndZeroPushes)
{
    ReleaseAt(drag, body, settings, canvas, cells, 10, 10);  // release without a grab
    PressAt(drag, body, settings, 552, 0, 0);
    ReleaseAt(drag, body, settings, canvas, cells, 300, 300);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(body.force, ZeroVector());

    PressAt(drag, body, settings, 552, 441, 291);
    ReleaseAt(drag, body, settings, canvas, cells, 440, 292);  // on the centre itself
    EXPECT_EQ(body.force, ZeroVector());
    EXPECT_EQ(body.torque, ZeroVector());
    EXPECT_EQ(std::vector<std::string>(canvas.calls.begin(), canvas.calls.begin() + 3),
              (std::vector<std::string>{"move 440 292", "line 440 292", "brush 16711680"}));
}

TEST_F(Example, PressesReplaceOrDropTheGrab)
{
    PressAt(drag, body, settings, 552, 440, 292);
    PressAt(drag, body, settings, 552, 0, 0);
    EXPECT_EQ(drag.particleIndex, -1);
    EXPECT_EQ(drag.startX, 440);  // left as it was
    ReleaseAt(drag, body, settings, canvas, cells, 500, 500);
    EXPECT_EQ(body.force, ZeroVector());
}

TEST_F(Example, TwoPushesAddUp)
{
    PressAt(drag, body, settings, 552, 440, 292);
    ReleaseAt(drag, body, settings, canvas, cells, 450, 292);
    PressAt(drag, body, settings, 552, 440, 292);
    ReleaseAt(drag, body, settings, canvas, cells, 440, 282);
    EXPECT_EQ(body.force, (Vector3{10, 10, 0}));
    EXPECT_EQ(body.torque, (Vector3{0, 0, 10 * 10 - 5 * 10}));
}

TEST_F(Example, GrabOfAParticleGoneSinceTouchesNothing)
{
    PressAt(drag, body, settings, 552, 440, 292);
    body.particles.resize(1);
    settings.particleCount = 1;
    ReleaseAt(drag, body, settings, canvas, cells, 500, 200);
    EXPECT_EQ(body.force, ZeroVector());
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(drag, DragState{});
}

TEST_F(Example, ExtremeCoordinatesStayDefined)
{
    PressAt(drag, body, settings, 552, 440, 292);
    ReleaseAt(drag, body, settings, canvas, cells, INT_MIN, INT_MAX);
    EXPECT_EQ(body.force, (Vector3{static_cast<double>(INT_MIN) - 440, 292.0 - INT_MAX, 0}));

    body.position = {std::nan(""), 1e300, 0};
    EXPECT_EQ(ParticleAt(body, settings, 552, 0, 0), -1);
    EXPECT_EQ(ParticleAt(body, settings, INT_MAX, INT_MAX, INT_MIN), -1);

    RecordingCanvas arrow(10, 10);
    DrawArrow(arrow, INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    EXPECT_EQ(arrow.calls.size(), 6u);
}
