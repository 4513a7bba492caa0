#include "session/scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The text block drawn over itself: a line shorter than one written in its
// place since the last clearing redraw first gets that line's tail blanked.
TEST(DrawScene, BlanksTheTailOfTheWidestLineSinceClearing)
{
    constexpr int kCell = RecordingCanvas::kCellWidth;
    constexpr int kHigh = RecordingCanvas::kCellHeight;
    RigidBody body;
    body.totalMass = 1;
    TextCells cells;
    RecordingCanvas canvas(400, 80);
    const auto blanks = [&] {
        std::vector<std::string> fills;
        for (const std::string& call : canvas.calls)
            if (call.starts_with("fill") && call != "fill 0 0 70 70" && call != "fill 0 0 400 80")
                fills.push_back(call);
        canvas.calls.clear();
        return fills;
    };
    const auto fill = [](int from, int to, int top) {
        return "fill " + std::to_string(from) + " " + std::to_string(top) + " " + std::to_string(to) + " " +
               std::to_string(top + kHigh);
    };

    body.force = {100, -100, 0};  // "[100  -100  0]", 14 cells
    DrawScene(canvas, body, Count(0), 1.0, cells);
    EXPECT_EQ(blanks(), std::vector<std::string>{});
    // Drawn over with the same text: exactly the calls of a memoryless frame.
    DrawScene(canvas, body, Count(0), 0.0, cells);
    RecordingCanvas fresh(400, 80);
    DrawScene(fresh, body, Count(0), 0.0);
    EXPECT_EQ(canvas.calls, fresh.calls);
    canvas.calls.clear();

    body.force = {0, 0, 0};  // "[0  0  0]", 9 cells: force and acceleration shrink
    // Where the vectors start, after "force = " and "acceleration = ".
    const int forceText = 10 + 8 * kCell, accelerationText = 10 + 15 * kCell;
    DrawScene(canvas, body, Count(0), 0.0, cells);
    EXPECT_EQ(blanks(),
              (std::vector<std::string>{fill(forceText + 9 * kCell, forceText + 14 * kCell, 10),
                                        fill(accelerationText + 9 * kCell, accelerationText + 14 * kCell, 50)}));
    // The widest since clearing is minded, not the last one drawn.
    body.force = {10, 0, 0};
    DrawScene(canvas, body, Count(0), 0.0, cells);
    EXPECT_EQ(blanks()[0], fill(forceText + 10 * kCell, forceText + 14 * kCell, 10));

    // A clearing redraw forgets: from then on only what it wrote counts.
    DrawScene(canvas, body, Count(0), 1.0, cells);
    body.force = {0, 0, 0};
    DrawScene(canvas, body, Count(0), 0.0, cells);
    EXPECT_EQ(blanks()[0], fill(forceText + 9 * kCell, forceText + 10 * kCell, 10));
}
