#include "ui/image_canvas.h"

#include <algorithm>
#include <span>
#include <utility>

#include <QFontMetrics>
#include <QPainter>

#include "ui/solid_line.h"

namespace {

// Above this many layers of discs on average painting backwards measures
// faster; below it, stamping in order does (the two meet near 4·10^4 discs of
// 8 × 8 pixels on 879 × 552).
constexpr double kDepthThatPays = 10;

QColor ToQColor(Color color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A painter in the canvas's state: one-pixel pen of its colour, no antialiasing.
class CanvasPainter : public QPainter {
public:
    CanvasPainter(QImage& image, Color pen) : QPainter(&image)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setPen(QPen(ToQColor(pen), 1));
    }
};

}  // namespace

ImageCanvas::ImageCanvas(int width, int height) : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.fill(Qt::white);
}

QFont ImageCanvas::Font()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Glyphs in plain black on the brush: the greys of antialiased text
    // differ from one rasteriser to the next.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void ImageCanvas::FillRect(Rect rect)
{
    const QRect area =
        QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)).intersected(image_.rect());
    if (area.isEmpty()) return;
    CanvasPainter(image_, pen_).fillRect(area, ToQColor(brush_));
}

void ImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const auto box = VisibleBox(x1, y1, x2, y2, image_.width(), image_.height());
    if (!box) return;
    if (const DiscStamp* stamp = stamps_.For(*box)) {
        stamp->Stamp(image_, static_cast<int>(box->left), static_cast<int>(box->top), ToQColor(pen_).rgb(),
                     ToQColor(brush_).rgb());
        return;
    }
    CanvasPainter painter(image_, pen_);
    painter.setBrush(ToQColor(brush_));
    PaintEllipse(painter, box->left, box->top, box->right, box->bottom);
}

void ImageCanvas::Discs(const DiscRun& run)
{
    // Painting backwards costs more per disc than stamping it, and pays only
    // where discs lie several deep: judged from the last disc's size.
    const std::size_t count = run.Count();
    DiscBounds last;
    if (count > 0) run.Bounds(count - 1, CoveredBlocks{}, std::span(&last, 1));
    const auto& rect = last.bounds;
    const double area = rect ? static_cast<double>(rect->right - rect->left) * (rect->bottom - rect->top) : 0;
    if (static_cast<double>(count) * area < kDepthThatPays * image_.width() * image_.height()) {
        Canvas::Discs(run);
        return;
    }

    backwards_.Paint(run, image_, ToQColor(pen_).rgb(), ToQColor(brush_).rgb());
}

void ImageCanvas::TextOut(int x, int y, std::string_view text)
{
    const QString string = ToQString(text);
    const QFont font = Font();
    const QFontMetrics metrics(font);
    CanvasPainter painter(image_, pen_);
    painter.setFont(font);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), ToQColor(brush_));
    painter.drawText(QPoint(x, y + metrics.ascent()), string);
}

int ImageCanvas::TextWidth(std::string_view text) const
{
    return QFontMetrics(Font()).horizontalAdvance(ToQString(text));
}

int ImageCanvas::TextHeight(std::string_view) const { return QFontMetrics(Font()).height(); }

void ImageCanvas::LineTo(int x, int y)
{
    if (!PaintSolidLine(image_, penPosition_, QPoint(x, y), ToQColor(pen_).rgb()))
        CanvasPainter(image_, pen_).drawLine(penPosition_, QPoint(x, y));
    penPosition_ = {x, y};
}

void ImageCanvas::Resize(int width, int height)
{
    if (image_.size() == QSize(std::max(width, 1), std::max(height, 1))) return;
    QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = std::move(resized);
}
