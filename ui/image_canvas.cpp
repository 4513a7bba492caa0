#include "ui/image_canvas.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

namespace {

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
    // In 64 bits: corners near the int limits must not overflow the box size.
    const long long left = std::min(x1, x2), right = std::max(x1, x2);
    const long long top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 2 || bottom - top < 2) return;
    if (right <= 0 || bottom <= 0 || left >= image_.width() || top >= image_.height()) return;

    constexpr long long kLargestStamp = 64;
    if (right - left <= kLargestStamp && bottom - top <= kLargestStamp) {
        const auto size = std::pair{static_cast<int>(right - left), static_cast<int>(bottom - top)};
        auto stamp = stamps_.find(size);
        if (stamp == stamps_.end()) stamp = stamps_.emplace(size, DiscStamp(size.first, size.second)).first;
        stamp->second.Stamp(image_, static_cast<int>(left), static_cast<int>(top), ToQColor(pen_).rgb(),
                            ToQColor(brush_).rgb());
        return;
    }
    CanvasPainter painter(image_, pen_);
    painter.setBrush(ToQColor(brush_));
    PaintEllipse(painter, left, top, right, bottom);
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
