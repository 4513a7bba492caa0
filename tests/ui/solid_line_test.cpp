#include "ui/solid_line.h"

#include <random>

#include <QPainter>
#include <gtest/gtest.h>

#include "ui/image_canvas.h"

namespace {

// The way every line used to be drawn, and the one the pixels must match: a
// painter of its own, one-pixel pen, no antialiasing.
void PainterLine(QImage& image, QPoint from, QPoint to, QRgb color)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(color), 1));
    painter.drawLine(from, to);
}

QImage White(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

// Every direction and length up to 24 pixels each way, lines without length
// and the eight octants' borders among them.
TEST(SolidLine, MatchesThePainterForEveryShortLine)
{
    constexpr int kReach = 24;
    const QPoint centre(kReach + 2, kReach + 2);
    const QRgb grey = qRgb(0x90, 0x90, 0x90);
    for (int dx = -kReach; dx <= kReach; ++dx)
        for (int dy = -kReach; dy <= kReach; ++dy) {
            QImage painted = White(2 * kReach + 5, 2 * kReach + 5), written = painted;
            PainterLine(painted, centre, centre + QPoint(dx, dy), grey);
            ASSERT_TRUE(PaintSolidLine(written, centre, centre + QPoint(dx, dy), grey));
            ASSERT_EQ(written, painted) << "from the centre by " << dx << ", " << dy;
        }
}

// Lines of any length across a picture the size the window opens at, ends on
// its edges and corners, beyond them and far beyond (drawn by a painter then),
// in many colours over one another.
TEST(SolidLine, CanvasLinesMatchThePainterAnywhere)
{
    constexpr int kWidth = 879, kHeight = 552;
    std::mt19937 random(20261208);
    const auto whole = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto coordinate = [&](int size) {
        switch (whole(0, 5)) {
        case 0:
            return whole(0, 2);
        case 1:
            return size - 1 - whole(0, 2);
        case 2:
            return whole(-40, size + 40);
        case 3:
            return whole(-2000000000, 2000000000);
        default:
            return whole(0, size - 1);
        }
    };
    ImageCanvas canvas(kWidth, kHeight);
    QImage painted = canvas.Image();
    for (int line = 0; line < 20000; ++line) {
        const QPoint from(coordinate(kWidth), coordinate(kHeight));
        const QPoint to = whole(0, 1) ? QPoint(coordinate(kWidth), coordinate(kHeight))
                                      : from + QPoint(whole(-12, 12), whole(-12, 12));
        const auto color = static_cast<Color>(random() & 0xFFFFFF);
        canvas.SetPenColor(color);
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
        PainterLine(
            painted, from, to,
            qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF), static_cast<int>(color >> 16)));
        if (line % 500 == 499) {
            ASSERT_EQ(canvas.Image(), painted) << "by line " << line;
        }
    }
}

TEST(SolidLine, LeavesLinesOffThePictureToThePainter)
{
    QImage image = White(30, 20);
    const QImage blank = image;
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_FALSE(PaintSolidLine(image, {-1, 5}, {10, 5}, black));
    EXPECT_FALSE(PaintSolidLine(image, {10, 5}, {30, 5}, black));
    EXPECT_FALSE(PaintSolidLine(image, {10, 20}, {10, 5}, black));
    QImage indexed(30, 20, QImage::Format_Indexed8);
    EXPECT_FALSE(PaintSolidLine(indexed, {1, 1}, {5, 5}, black));
    EXPECT_EQ(image, blank);
}
