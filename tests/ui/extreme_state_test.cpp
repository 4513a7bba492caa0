#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "sim/time_step.h"
#include "tests/session/recording_canvas.h"
#include "ui/image_canvas.h"
#include "session/mouse_push.h"
#include "session/scene.h"
#include "session/state_json.h"

namespace {

SimulationContext Body(int particles)
{
    SimulationContext s;
    s.body.particles.resize(particles);
    for (int i = 0; i < particles; ++i) InitParticle(s.body.particles[i], {i * 2.0, -i * 1.5, 0}, 1.0, 1.0);
    s.body.totalMass = particles * s.body.particles[0].mass;
    s.body.bodyInertiaInverse = Identity();
    s.body.position = {100, 60, 0};
    s.settings.particleCount = particles;
    return s;
}

// Draws, hit-tests and pushes in every way the window can; under the
// sanitizers any out-of-range conversion on the way fails the test.
void UseEverything(SimulationContext& s)
{
    ImageCanvas picture(64, 48);
    DrawScene(picture, s.body, s.settings, 1.0);
    RecordingCanvas calls(879, 552);
    TextCells cells;
    DrawScene(calls, s.body, s.settings, 0.0, cells);
    // JSON has no infinity and no NaN: such a value must come out as null, in
    // the numbers and in the text lines alike.
    const std::string json = StateJson(s, true, 552);
    EXPECT_EQ(json.find("inf"), std::string::npos) << json;
    EXPECT_EQ(json.find("nan"), std::string::npos) << json;
    constexpr int kSmallest = -2147483647 - 1, kLargest = 2147483647;
    for (auto [x, y] :
         {std::pair{0, 0}, std::pair{440, 292}, std::pair{kSmallest, kLargest}, std::pair{kLargest, kSmallest}}) {
        PressAt(s.drag, s.body, s.settings, 552, x, y);
        ReleaseAt(s.drag, s.body, s.settings, calls, cells, y, x);
    }
}

}  // namespace

TEST(ExtremeState, OverflowingForceKeepsSteppingAndDrawing)
{
    SimulationContext s = Body(3);
    s.body.force = {1e308, -1e308, 0};
    s.body.torque = {0, 0, 1e308};
    bool sawInfinite = false, sawNan = false;
    for (int i = 0; i < 200; ++i) {
        StepBody(s.body, s.settings, 0.2, 879, 552);
        sawInfinite |= std::isinf(s.body.position.x) || std::isinf(s.body.linearMomentum.x);
        sawNan |= std::isnan(s.body.position.x) || std::isnan(s.body.rotation(0, 0));
        if (i % 20 == 0) UseEverything(s);
    }
    EXPECT_TRUE(sawInfinite);
    EXPECT_TRUE(sawNan);
    UseEverything(s);
}

TEST(ExtremeState, NonFiniteAndHugeFieldsEverywhere)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = std::numeric_limits<double>::max();
    for (double bad : {inf, -inf, nan, huge, -huge, 1e10, -1e10}) {
        SimulationContext s = Body(4);
        s.body.position = {bad, bad, 0};
        s.body.particles[1].centerOfMass = {bad, 0, 0};
        s.body.particles[2].radius = bad;
        s.body.rotation.m[0] = bad;
        s.body.force = {bad, 1, bad};
        s.body.linearVelocity = {1, bad, 0};
        s.body.totalMass = bad;
        UseEverything(s);
        StepBody(s.body, s.settings, 0.2, 879, 552);
        UseEverything(s);
    }
}
