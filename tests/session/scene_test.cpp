#include "session/scene.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "tests/session/recording_canvas.h"

namespace {

RigidBody OneParticleAt(Vector3 position, Vector3 offset = {})
{
    RigidBody body;
    body.particles.resize(1);
    InitParticle(body.particles[0], offset, 1.0, 1.0);
    body.totalMass = body.particles[0].mass;
    body.position = position;
    return body;
}

SimulationSettings Count(double n)
{
    SimulationSettings settings;
    settings.particleCount = n;
    return settings;
}

}  // namespace

TEST(SceneText, ThreeLinesOfTheExample)
{
    RigidBody body;
    body.force = {35, -20, 0};
    body.linearVelocity = {1.25, 0, 0};
    body.totalMass = 25;
    const auto lines = SceneText(body);
    EXPECT_EQ(lines[0], "force = [35  -20  0]");
    EXPECT_EQ(lines[1], "linear velocity = [1.25  0  0]");
    EXPECT_EQ(lines[2], "acceleration = [1.4  -0.8  0]");

    body.totalMass = 0;  // the empty body
    EXPECT_EQ(SceneText(body)[2], "acceleration = [0  0  0]");
}

TEST(ParticleBox, CornersTruncateTowardZero)
{
    // left = (0.125 − 1)·4 = −3.5 → −3; right = 8 − 3.5 = 4.5 → 4.
    const RigidBody body = OneParticleAt({0.125, 10, 0});
    const auto box = ParticleBox(body.particles[0], body.position, body.rotation, 4.0, 552);
    ASSERT_TRUE(box);
    EXPECT_EQ(*box, (EllipseBox{-3, 552 - 36, 4, 552 - 44}));
}

TEST(ParticleBox, UsesTheRotatedOffset)
{
    RigidBody body = OneParticleAt({50.1, 50.1, 0}, {3, 0, 0});
    body.rotation = ToRotationMatrix(Normalize({1, 0, 0, 1}));  // a quarter turn
    const auto box = ParticleBox(body.particles[0], body.position, body.rotation, 4.0, 552);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->x1, 196);  // (50.1 + 0 − 1)·4 = 196.4
    EXPECT_EQ(box->y1, 343);  // 552 − (50.1 + 3 − 1)·4 = 343.6
}

TEST(ParticleBox, NothingForCornersBeyondAnInt)
{
    const double huge = 1e9;
    for (Vector3 p : {Vector3{huge, 0, 0}, Vector3{-huge, 0, 0}, Vector3{0, -huge, 0}, Vector3{std::nan(""), 0, 0},
                      Vector3{0, std::numeric_limits<double>::infinity(), 0}}) {
        const RigidBody body = OneParticleAt(p);
        EXPECT_FALSE(ParticleBox(body.particles[0], body.position, body.rotation, 4.0, 552)) << p.x << " " << p.y;
    }
    // Right at the limit: left = 536870911·4 − 4 fits, right = left + 8 does not.
    const RigidBody edge = OneParticleAt({536870911.5, 0, 0});
    EXPECT_FALSE(ParticleBox(edge.particles[0], edge.position, edge.rotation, 4.0, 552));
}

TEST(DrawScene, ClearsThenParticlesThenTextBlock)
{
    const RigidBody body = OneParticleAt({10, 10, 0});
    RecordingCanvas canvas(100, 80);
    DrawScene(canvas, body, Count(1), 1.0);
    const std::vector<std::string> expected = {
        "fill 0 0 100 80",
        "brush 16711680",
        "ellipse 36 44 44 36",
        "brush 16777215",
        "fill 0 0 70 70",
        "text 10 10 force = [0  0  0]",
        "text 10 30 linear velocity = [0  0  0]",
        "text 10 50 acceleration = [0  0  0]",
    };
    EXPECT_EQ(canvas.calls, expected);

    RecordingCanvas over(100, 80);
    DrawScene(over, body, Count(1), 0.0);
    EXPECT_EQ(over.calls, std::vector<std::string>(expected.begin() + 1, expected.end()));
}

TEST(DrawScene, NoParticlesStillDrawsTheTextBlock)
{
    RecordingCanvas canvas(100, 80);
    DrawScene(canvas, RigidBody{}, Count(0), 1.0);
    EXPECT_EQ(canvas.calls.size(), 6u);
    EXPECT_EQ(canvas.calls[1], "brush 16777215");
}

TEST(DrawScene, NeverReadsPastTheParticles)
{
    const RigidBody body = OneParticleAt({10, 10, 0});
    RecordingCanvas canvas(100, 80);
    DrawScene(canvas, body, Count(5), 1.0);
    EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                            [](const std::string& call) { return call.starts_with("ellipse"); }),
              1);
}

TEST(DrawScene, DrawsParticlesWhileTheirIndexIsBelowTheCount)
{
    RigidBody body = OneParticleAt({10, 10, 0});
    body.particles.resize(5, body.particles[0]);
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (const auto& [count, drawn] : {std::pair{2.5, 3}, {3.0, 3}, {0.25, 1}, {-1.0, 0}, {nan, 0}, {inf, 5}}) {
        RecordingCanvas canvas(100, 80);
        DrawScene(canvas, body, Count(count), 1.0);
        EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                [](const std::string& call) { return call.starts_with("ellipse"); }),
                  drawn)
            << count;
    }
}

// The cheap bounds must hold the exact box whatever the magnitudes, above all
// where a corner lands next to a whole pixel and the two precisions part.
TEST(ParticleBounds, HoldTheBoxForAnyMagnitude)
{
    std::mt19937_64 random(99);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto anyMagnitude = [&](double largest) { return uniform(-1, 1) * std::pow(10.0, uniform(-12, largest)); };
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        RigidBody body =
            OneParticleAt({anyMagnitude(9), anyMagnitude(9), 0}, {anyMagnitude(9), anyMagnitude(9), anyMagnitude(3)});
        body.particles[0].radius = std::fabs(anyMagnitude(8));
        body.rotation = ToRotationMatrix(Normalize({uniform(-1, 1), uniform(-1, 1), uniform(-1, 1), uniform(-1, 1)}));
        const double scale = i % 2 == 0 ? 4.0 : std::fabs(anyMagnitude(3));
        if (i % 4 == 0) {
            // The sum of position and offset lands on 2^n + r in double but
            // just beside it in extended precision: the left corner is a
            // power of two one way and the double below it the other.
            body.rotation = Identity();
            const double tiny = uniform(-1, 1) * 0x1p-20;
            const double target = std::ldexp(1.0, static_cast<int>(uniform(0, 28))) + 1;
            body.particles[0].centerOfMass = {tiny, tiny, 1};
            body.particles[0].radius = 1;
            body.position = {target - tiny, target - tiny, 0};
        }
        const int height = static_cast<int>(uniform(0, 2000));

        const auto bounds = ParticleBounds(body.particles[0], body.position, body.rotation, scale, height);
        const auto box = ParticleBox(body.particles[0], body.position, body.rotation, scale, height);
        if (!bounds || !box) continue;
        ++compared;
        ASSERT_LE(bounds->left, std::min(box->x1, box->x2)) << i;
        ASSERT_GE(bounds->right, std::max(box->x1, box->x2)) << i;
        ASSERT_LE(bounds->top, std::min(box->y1, box->y2)) << i;
        ASSERT_GE(bounds->bottom, std::max(box->y1, box->y2)) << i;
        ASSERT_LE(bounds->right - bounds->left, std::abs(box->x2 - box->x1) + 4) << i;  // and stay tight
    }
    EXPECT_GT(compared, 50000);
}
