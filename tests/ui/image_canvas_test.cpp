#include "ui/image_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "sim/body_setup.h"
#include "ui/disc_stamp.h"
#include "session/scene.h"

namespace {

const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);

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
    // Black glyph pixels within the first 20 rows below the top.
    bool sawBlack = false;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 120; ++x) sawBlack |= qGray(At(canvas, x, y)) < 64;
    EXPECT_TRUE(sawBlack);
}

TEST(ImageCanvas, DrawingOverLeavesTheTailOfALongerLine)
{
    RigidBody body;
    body.totalMass = 1;
    SimulationSettings none;
    none.particleCount = 0;
    ImageCanvas canvas(400, 100);
    body.force = {123456.789, -987654.321, 5};
    DrawScene(canvas, body, none, 1.0);
    const QRect longLine = InkBounds(canvas.Image(), QRect(70, 10, 330, 18));
    body.force = {1, 2, 3};
    DrawScene(canvas, body, none, 0.0);
    EXPECT_EQ(InkBounds(canvas.Image(), QRect(70, 10, 330, 18)).right(), longLine.right());
    DrawScene(canvas, body, none, 1.0);
    EXPECT_LT(InkBounds(canvas.Image(), QRect(70, 10, 330, 18)).right(), longLine.right());
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

// The default body's first frame, for a person to look at (and the README).
TEST(ImageCanvas, DefaultBodyFirstFrame)
{
    RigidBody body;
    SimulationSettings settings;
    SetupBody(body, settings, "1", RBD_SOURCE_DIR "/data.txt");
    ImageCanvas canvas(879, 552);
    DrawScene(canvas, body, settings, 1.0);
    ASSERT_TRUE(canvas.Image().save("default-body-first-frame.png"));
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
