#include "ui/image_canvas.h"

#include <random>

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "session/mouse_push.h"
#include "ui/backwards_painter.h"
#include "session/simulation_context.h"
#include "sim/body_setup.h"
#include "ui/disc_stamp.h"
#include "session/scene.h"

namespace {

const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);

// Paints a run of discs the plain way, each on its own in index order.
class PlainCanvas : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
    // The interface's own way, on purpose: it is what the fast path must match.
    void Discs(const DiscRun& run) override { Canvas::Discs(run); }  // NOLINT(bugprone-parent-virtual-call)
};

QRgb At(const ImageCanvas& canvas, int x, int y) { return canvas.Image().pixel(x, y); }

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const QImage& image, QRect within)
{
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixel(x, y) != kWhitePixel) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

TEST(ImageCanvas, FontResolvesToDejaVuSansThatFitsALine)
{
    const QFontInfo info(ImageCanvas::Font());
    EXPECT_EQ(info.family(), "DejaVu Sans");
    EXPECT_LE(QFontMetrics(ImageCanvas::Font()).height(), 20);
}

TEST(ImageCanvas, DiscCoversExactlyItsBoxBlueInsideBlackRim)
{
    for (int size = 7; size <= 9; ++size) {
        ImageCanvas canvas(40, 40);
        canvas.SetBrushColor(kBlue);
        // Bottom-left and top-right corners, as the scene passes them.
        canvas.Ellipse(10, 10 + size, 10 + size, 10);
        EXPECT_EQ(InkBounds(canvas.Image(), canvas.Image().rect()), QRect(10, 10, size, size)) << size;
        const int middle = 10 + size / 2;
        EXPECT_EQ(At(canvas, middle, middle), kBluePixel) << size;
        EXPECT_EQ(At(canvas, 10, middle), kBlackPixel) << size;
        EXPECT_EQ(At(canvas, 10 + size - 1, middle), kBlackPixel) << size;
        EXPECT_EQ(At(canvas, middle, 10), kBlackPixel) << size;
        EXPECT_EQ(At(canvas, middle, 10 + size - 1), kBlackPixel) << size;
        EXPECT_EQ(At(canvas, 10, 10), kWhitePixel) << size;  // corners stay outside the disc
    }
}

TEST(ImageCanvas, DiscsAreClippedAtTheEdges)
{
    ImageCanvas canvas(20, 20);
    canvas.SetBrushColor(kBlue);
    canvas.Ellipse(-3, 5, 5, -3);
    canvas.Ellipse(2147483000, 0, 2147483008, 8);
    canvas.Ellipse(-2147483648, -2147483648, -2147483000, -2147483000);
    EXPECT_EQ(InkBounds(canvas.Image(), canvas.Image().rect()), QRect(0, 0, 5, 5));

    // A box spanning every int: its middle covers the whole picture.
    canvas.Ellipse(-2147483648, -2147483648, 2147483647, 2147483647);
    EXPECT_EQ(At(canvas, 0, 0), kBluePixel);
    EXPECT_EQ(At(canvas, 19, 19), kBluePixel);
}

TEST(ImageCanvas, TextSitsOnTheBrushUnderItsOwnCells)
{
    ImageCanvas canvas(200, 40);
    canvas.SetBrushColor(kBlue);
    canvas.FillRect(canvas.ClipRect());
    canvas.SetBrushColor(kWhite);
    canvas.TextOut(10, 10, "force = [1  2  3]");
    const QRect ink = InkBounds(canvas.Image(), QRect(0, 0, 200, 40));
    EXPECT_EQ(At(canvas, 10, 10), kWhitePixel);  // the first cell's top-left
    EXPECT_EQ(At(canvas, 9, 10), kBluePixel);
    EXPECT_EQ(At(canvas, 10, 9), kBluePixel);
    EXPECT_LE(ink.height(), 40);
    // Glyphs in plain black: no grey that a machine's antialiasing would
    // shade differently.
    int black = 0, grey = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb pixel = At(canvas, x, y);
            if (pixel == kBlackPixel)
                ++black;
            else if (pixel != kWhitePixel && pixel != kBluePixel)
                ++grey;
        }
    }
    EXPECT_GT(black, 100);
    EXPECT_EQ(grey, 0);
}

TEST(ImageCanvas, TextInkStaysInsideTheCellsItMeasures)
{
    // Blanking a line's measured cells must take every pixel an earlier text
    // left there, overhanging glyphs included.
    for (const char* text : {"force = [-2147483.648  -0.001  0]", "linear velocity = [1.25  0  0]", "[]  W/j"}) {
        ImageCanvas canvas(400, 40);
        canvas.SetBrushColor(kBlue);
        canvas.FillRect(canvas.ClipRect());
        canvas.SetBrushColor(kWhite);
        canvas.TextOut(10, 10, text);
        const QRect cells(10, 10, canvas.TextWidth(text), canvas.TextHeight(text));
        QImage cellsCovered = canvas.Image();
        QPainter(&cellsCovered).fillRect(cells, QColor(kBluePixel));
        QImage allBlue(cellsCovered.size(), cellsCovered.format());
        allBlue.fill(QColor(kBluePixel));
        EXPECT_EQ(cellsCovered, allBlue) << text;
    }
}

// The example: particle 7 of the shipped body (centre pixel 462, 288)
// pushed to (562, 388), then back through its centre to (362, 188). The two
// pushes cancel, and the text block must read as at rest again.
TEST(ImageCanvas, PushesThatCancelLeaveTheTextBlockAsAtRest)
{
    SimulationContext s;
    SetupBody(s.body, s.settings, "1", RBD_SOURCE_DIR "/data.txt");
    ImageCanvas canvas(879, 552);
    TextCells cells;
    DrawScene(canvas, s.body, s.settings, 1.0, cells);
    const QRect textBlock(0, 0, 400, 70);
    const QImage atRest = canvas.Image().copy(textBlock);

    ASSERT_EQ(ParticleAt(s.body, s.settings, 552, 462, 288), 7);
    PressAt(s.drag, s.body, s.settings, 552, 462, 288);
    ReleaseAt(s.drag, s.body, s.settings, canvas, cells, 562, 388);
    EXPECT_NE(canvas.Image().copy(textBlock), atRest);
    PressAt(s.drag, s.body, s.settings, 552, 462, 288);
    ReleaseAt(s.drag, s.body, s.settings, canvas, cells, 362, 188);
    EXPECT_EQ(s.body.force, ZeroVector());
    EXPECT_EQ(canvas.Image().copy(textBlock), atRest);

    // Without the memory of what was written, the tails stay: the fault mended.
    ImageCanvas forgetful(879, 552);
    SetupBody(s.body, s.settings, "1", RBD_SOURCE_DIR "/data.txt");
    DrawScene(forgetful, s.body, s.settings, 1.0);
    for (auto [x, y] : {std::pair{562, 388}, std::pair{362, 188}}) {
        TextCells forgotten;
        PressAt(s.drag, s.body, s.settings, 552, 462, 288);
        ReleaseAt(s.drag, s.body, s.settings, forgetful, forgotten, x, y);
    }
    EXPECT_NE(forgetful.Image().copy(textBlock), atRest);
}

TEST(ImageCanvas, ResizeKeepsWhatFitsAndWhitensTheRest)
{
    ImageCanvas canvas(30, 30);
    canvas.SetBrushColor(kBlue);
    canvas.FillRect({0, 0, 30, 30});
    canvas.Resize(50, 20);
    EXPECT_EQ(canvas.Width(), 50);
    EXPECT_EQ(canvas.Height(), 20);
    EXPECT_EQ(At(canvas, 29, 19), kBluePixel);
    EXPECT_EQ(At(canvas, 30, 0), kWhitePixel);
}

TEST(ImageCanvas, LinesUseTheBlackPen)
{
    ImageCanvas canvas(20, 20);
    canvas.MoveTo(2, 2);
    canvas.LineTo(12, 2);
    EXPECT_EQ(InkBounds(canvas.Image(), canvas.Image().rect()), QRect(2, 2, 11, 1));
    EXPECT_EQ(At(canvas, 7, 2), kBlackPixel);
}

// The default body's first frame shows every disc.
TEST(ImageCanvas, DefaultBodyFirstFrame)
{
    RigidBody body;
    SimulationSettings settings;
    SetupBody(body, settings, "1", RBD_SOURCE_DIR "/data.txt");
    ImageCanvas canvas(879, 552);
    DrawScene(canvas, body, settings, 1.0);
    int blueDiscs = 0;
    for (const Particle& particle : body.particles) {
        const auto box = ParticleBox(particle, body.position, body.rotation, settings.scale, 552);
        ASSERT_TRUE(box);
        blueDiscs += At(canvas, (box->x1 + box->x2) / 2, (box->y1 + box->y2) / 2) == kBluePixel;
    }
    EXPECT_EQ(blueDiscs, 8);
}

// Stamped discs against each disc painted on its own, over every offset a
// box can have against the edges and every size a particle's box can take.
TEST(ImageCanvas, StampedDiscsMatchPaintedOnesPixelForPixel)
{
    ImageCanvas stamped(61, 47);
    QImage painted(61, 47, QImage::Format_RGB32);
    painted.fill(Qt::white);
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));

    int drawn = 0;
    for (int size = 6; size <= 12; ++size) {
        for (int x = -size; x <= 61; x += 3) {
            for (int y = -size; y <= 47; y += 5) {
                const Color color = (drawn % 2) ? kBlue : 0x3366CC;
                stamped.SetBrushColor(color);
                stamped.Ellipse(x, y + size, x + size, y);
                painter.setBrush(QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                                        static_cast<int>(color >> 16)));
                PaintEllipse(painter, x, y, x + size, y + size);
                ++drawn;
            }
        }
    }
    painter.end();
    EXPECT_GT(drawn, 1000);
    EXPECT_EQ(stamped.Image(), painted);
}

namespace {

// A random body of `particles` discs on a random picture, drawn by the
// canvas (which paints many discs backwards, each pixel once) and by painting
// every disc in index order: the pictures must be the same. Rotations and
// scales vary; discs are cut by every edge, and a few are too large for a
// stamp. `spread` is how far the discs reach, as a share of the picture.
void ExpectDiscsAsPaintedInIndexOrder(std::mt19937_64& random, int trial, std::size_t particles, double spread)
{
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto whole = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    const int width = whole(1, 320), height = whole(1, 220);
    SimulationSettings settings;
    settings.scale = trial % 3 == 0 ? uniform(2.5, 6.5) : 4.0;
    const double worldWidth = width / settings.scale, worldHeight = height / settings.scale;

    RigidBody body;
    body.particles.resize(particles);
    for (Particle& particle : body.particles) {
        const int kind = whole(0, 999);
        const double radius = kind < 2 ? uniform(9, 30) : kind < 200 ? uniform(0.3, 3) : 1.0;
        // Centred on the centre of mass, reaching past the picture's edges.
        const Vector3 offset{uniform(-spread, spread) * worldWidth, uniform(-spread, spread) * worldHeight,
                             uniform(-1, 1)};
        InitParticle(particle, offset, radius, 1.0);
    }
    body.position = {uniform(0, worldWidth), uniform(0, worldHeight), 0};
    body.rotation = ToRotationMatrix(Normalize({uniform(-1, 1), uniform(-1, 1), uniform(-1, 1), uniform(-1, 1)}));
    settings.particleCount = static_cast<double>(body.particles.size()) - (trial % 4 == 1 ? 7.5 : 0.0);

    ImageCanvas fast(width, height);
    PlainCanvas plain(width, height);
    // Something underneath for the discs to leave where they do not reach.
    for (Canvas* canvas : {static_cast<Canvas*>(&fast), static_cast<Canvas*>(&plain)}) {
        canvas->MoveTo(0, 0);
        canvas->LineTo(width, height);
        DrawScene(*canvas, body, settings, 0.0);
    }
    ASSERT_EQ(fast.Image(), plain.Image())
        << "trial " << trial << ", " << body.particles.size() << " particles on " << width << " × " << height;
}

}  // namespace

TEST(ImageCanvas, DiscRunsMatchPaintingInIndexOrder)
{
    std::mt19937_64 random(20261207);
    for (int trial = 0; trial < 40; ++trial) {
        const int particles =
            std::uniform_int_distribution<int>(trial % 5 == 0 ? 0 : 300, trial % 5 == 0 ? 300 : 20000)(random);
        ExpectDiscsAsPaintedInIndexOrder(random, trial, static_cast<std::size_t>(particles), 0.7);
        if (HasFatalFailure()) return;
    }
}

// Runs long enough to be shared with a second core: piled deep in one place,
// where the later discs hide nearly all the earlier ones, and spread past
// every edge, where far fewer are hidden.
TEST(ImageCanvas, DiscRunsSharedWithASecondCoreMatchPaintingInIndexOrder)
{
    std::mt19937_64 random(20261208);
    for (int trial = 0; trial < 4; ++trial) {
        const std::size_t particles = BackwardsPainter::kSharedFrom + static_cast<std::size_t>(trial) * 9001;
        ExpectDiscsAsPaintedInIndexOrder(random, trial, particles, trial % 2 == 0 ? 0.1 : 0.7);
        if (HasFatalFailure()) return;
    }
}
