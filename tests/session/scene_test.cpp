#include "session/scene.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "math/extended.h"
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

// Coordinates where the box formula in doubles lands on another pixel than in
// extended precision: sums a hair beside a whole pixel, one row per corner.
TEST(ParticleBox, HardCasesFollowTheExtendedFormula)
{
    struct Row {
        Vector3 position;
        Vector3 offset;  // the particle's centre from the centre of mass
        double radius;
        double scale;
        EllipseBox box;
    };
    const Row rows[] = {
        {{8.7, 33.7, 0}, {0.3, -2.8, 0}, 1.0, 4.0, {31, 432, 40, 424}},  // left: 8.7 + 0.3 is below 9
        {{3, 10, 0}, {-0x1p-52, 0, 0}, 1.0, 4.0, {7, 516, 16, 508}},     // left: a rotation's last-bit noise
        {{4.6, 42.2, 0}, {1.4, 2, 0}, 1.0, 3.0, {14, 422, 21, 416}},     // left, at another scale
        {{7.3, 93.9, 0}, {1.2, 2.1, 0}, 1.0, 4.0, {30, 171, 38, 163}},   // lower, and upper from it
        {{9.5, 2.4, 0}, {2.7, 1.8, 0}, 0.3, 4.0, {47, 536, 50, 534}},    // right: 2·r·s unrounded
        {{3.6, 99, 0}, {2.2, 0.2, 0}, 0.3, 4.0, {22, 156, 24, 154}},     // upper
    };
    for (const Row& row : rows) {
        Particle particle;
        particle.radius = row.radius;
        particle.centerOfMass = row.offset;
        EXPECT_EQ(ParticleBox(particle, row.position, Identity(), row.scale, 552), row.box) << row.position.x;

        // The same formula in doubles gives another box, so the row tells them apart.
        const double r = row.radius, s = row.scale;
        const double left = (row.position.x + row.offset.x - r) * s;
        const double lower = 552 - (row.position.y + row.offset.y - r) * s;
        const EllipseBox doubles{static_cast<int>(left), static_cast<int>(lower), static_cast<int>(2 * r * s + left),
                                 static_cast<int>(lower - 2 * r * s)};
        EXPECT_NE(doubles, row.box) << row.position.x;
    }
}

#if LDBL_MANT_DIG == 64

// Where long double is the x87 type, the box is the one its arithmetic gives.
TEST(ParticleBox, SameAsTheX87)
{
    std::mt19937_64 random(11);
    bool tenths = false;  // every other body on tenths, where sums land beside whole pixels most
    const auto any = [&](double low, double high) {
        const double x = std::uniform_real_distribution<double>(low, high)(random);
        return tenths ? std::round(x * 10) / 10 : x;
    };
    for (int i = 0; i < 100000; ++i) {
        tenths = i % 2 == 1;
        Particle particle;
        particle.radius = any(0.1, 3);
        particle.centerOfMass = {any(-5, 5), any(-5, 5), 0};
        const Vector3 position{any(-50, 300), any(-50, 300), 0};
        const double scale = i % 2 == 0 ? 4.0 : any(0.1, 10);

        const long double r = particle.radius, s = scale;
        const double left =
            static_cast<double>((static_cast<long double>(position.x) + particle.centerOfMass.x - r) * s);
        const double lower =
            static_cast<double>(552 - (static_cast<long double>(position.y) + particle.centerOfMass.y - r) * s);
        const EllipseBox x87{static_cast<int>(left), static_cast<int>(lower),
                             static_cast<int>(static_cast<double>(2 * r * s + left)),
                             static_cast<int>(static_cast<double>(lower - 2 * r * s))};
        ASSERT_EQ(ParticleBox(particle, position, Identity(), scale, 552), x87) << position.x << " " << position.y;
    }
}

#endif

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

// ParticleBox's sums in extended precision throughout, from the operations of
// math/extended.h: what the box must be, shortcut or not.
std::optional<EllipseBox> ExtendedReference(const Particle& particle, Vector3 position, const Matrix3& rotation,
                                            double scale, int height)
{
    const Vector3 w = Multiply(rotation, particle.centerOfMass);
    for (double value : {position.x, position.y, w.x, w.y, particle.radius, scale})
        if (!std::isfinite(value)) return std::nullopt;
    const Extended r = ToExtended(particle.radius), s = ToExtended(scale);
    const Extended diameter = Multiply(Add(r, r), s);
    const double left = ToDouble(Multiply(Subtract(Add(ToExtended(position.x), ToExtended(w.x)), r), s));
    const double lower =
        ToDouble(Subtract(ToExtended(height), Multiply(Subtract(Add(ToExtended(position.y), ToExtended(w.y)), r), s)));
    const double right = ToDouble(Add(diameter, ToExtended(left)));
    const double upper = ToDouble(Subtract(ToExtended(lower), diameter));
    for (double corner : {left, lower, right, upper})
        if (!(corner > -2147483649.0 && corner < 2147483648.0)) return std::nullopt;
    return EllipseBox{static_cast<int>(left), static_cast<int>(lower), static_cast<int>(right),
                      static_cast<int>(upper)};
}

// The box, which takes a shortcut in doubles where no whole pixel lies near a
// corner, must be the extended one whatever the magnitudes, above all where a
// corner lands next to a whole pixel and the two precisions part; the cheap
// bounds must hold it.
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

        const auto box = ParticleBox(body.particles[0], body.position, body.rotation, scale, height);
        const auto exact = ExtendedReference(body.particles[0], body.position, body.rotation, scale, height);
        ASSERT_EQ(box, exact) << i;
        const auto bounds = ParticleBounds(body.particles[0], body.position, body.rotation, scale, height);
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

namespace {

// Asks a frame's run for every disc's bounds at once, as a canvas painting
// backwards does, against the blocks it is given.
class BoundsCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    void Discs(const DiscRun& run) override
    {
        found.resize(run.Count());
        found.resize(run.Bounds(0, blocks, found));
    }

    CoveredBlocks blocks;
    std::vector<DiscBounds> found;
};

}  // namespace

// A run hands over its discs from the last down, each with the bounds
// ParticleBounds gives it, leaving out just those its blocks show hidden:
// with no blocks none, with every block covered all but those it cannot tell.
TEST(DrawScene, RunsHandOverBoundsFromTheLastDown)
{
    std::mt19937_64 random(5);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::uint16_t> everyBlockCovered(std::size_t{100} * 100, 0x1FF);
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{600}}) {
        RigidBody body = OneParticleAt({uniform(10, 50), uniform(10, 30), 0});
        body.particles.resize(count);
        for (Particle& particle : body.particles) {
            const double kind = uniform(0, 1);
            InitParticle(particle, {uniform(-20, 20), uniform(-15, 15), uniform(-1, 1)},
                         kind < 0.1    ? uniform(2, 30)
                         : kind < 0.15 ? nan
                                       : 1.0,
                         1.0);
        }
        body.rotation = ToRotationMatrix(Normalize({uniform(-1, 1), 0, 0, uniform(-1, 1)}));
        for (const bool covered : {false, true}) {
            BoundsCanvas canvas(240, 160);
            if (covered) canvas.blocks = {everyBlockCovered.data(), 100, 100, 100};
            DrawScene(canvas, body, Count(static_cast<double>(count)), 1.0);
            std::size_t next = 0;
            for (std::size_t i = count; i-- > 0;) {
                const auto bounds = ParticleBounds(body.particles[i], body.position, body.rotation, 4.0, 160);
                if (bounds && canvas.blocks.Hide(*bounds)) continue;
                ASSERT_LT(next, canvas.found.size()) << count << " " << i;
                EXPECT_EQ(canvas.found[next].index, i);
                EXPECT_EQ(canvas.found[next].bounds, bounds) << i;
                ++next;
            }
            EXPECT_EQ(next, canvas.found.size());
            if (covered && count > 100) {
                EXPECT_LT(canvas.found.size(), count / 2);
            }
        }
    }
}
