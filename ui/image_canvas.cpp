#include "ui/image_canvas.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include <QFontMetrics>
#include <QPainter>

namespace {

// Above this many layers of discs on average painting backwards measures
// faster; below it, stamping in order does (the two meet near 4·10^4 discs of
// 8 × 8 pixels on 879 × 552).
constexpr double kDepthThatPays = 10;

// Discs asked for at once: few enough for their bounds to stay in the
// first-level cache.
constexpr std::size_t kBoundsAtOnce = 256;

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

std::optional<ImageCanvas::Box> ImageCanvas::VisibleBox(int x1, int y1, int x2, int y2) const
{
    // In 64 bits: corners near the int limits must not overflow the box size.
    const Box box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (box.right - box.left < 2 || box.bottom - box.top < 2) return std::nullopt;
    if (box.right <= 0 || box.bottom <= 0 || box.left >= image_.width() || box.top >= image_.height())
        return std::nullopt;
    return box;
}

const DiscStamp* ImageCanvas::StampFor(const Box& box)
{
    if (box.right - box.left > kLargestStamp || box.bottom - box.top > kLargestStamp) return nullptr;
    const auto size = std::pair{static_cast<int>(box.right - box.left), static_cast<int>(box.bottom - box.top)};
    auto stamp = stamps_.find(size);
    if (stamp == stamps_.end()) stamp = stamps_.emplace(size, DiscStamp(size.first, size.second)).first;
    return &stamp->second;
}

void ImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const auto box = VisibleBox(x1, y1, x2, y2);
    if (!box) return;
    if (const DiscStamp* stamp = StampFor(*box)) {
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

    // Backwards, so that each pixel is written once, by the last disc over it;
    // a disc whose bounds are covered already is hidden and never boxed.
    coverage_.Reset(image_.width(), image_.height());
    const QRgb brush = ToQColor(brush_).rgb();
    const QRgb pen = ToQColor(pen_).rgb();
    std::array<DiscBounds, kBoundsAtOnce> found;
    for (std::size_t end = count; end > 0;) {
        const std::size_t first = end > found.size() ? end - found.size() : 0;
        // The blocks as they stand now: the discs painted meanwhile may hide
        // more of those found, which the exact test below then tells.
        const std::size_t unhidden = run.Bounds(first, coverage_.Blocks(), std::span(found).first(end - first));
        for (const DiscBounds& disc : std::span(found).first(unhidden)) {
            if (disc.bounds && coverage_.Covers(*disc.bounds)) continue;
            const auto corners = run.Box(disc.index);
            if (!corners) continue;
            const auto box = VisibleBox(corners->x1, corners->y1, corners->x2, corners->y2);
            if (!box) continue;
            if (const DiscStamp* stamp = StampFor(*box))
                stamp->StampUncovered(image_, static_cast<int>(box->left), static_cast<int>(box->top), pen, brush,
                                      coverage_);
            else
                PaintUncovered(*box, pen, brush);
        }
        end = first;
    }
}

void ImageCanvas::PaintUncovered(const Box& box, QRgb pen, QRgb brush)
{
    // Rasterised on a clear picture of the same size, so that it is clipped as
    // painting it here would be, then copied where nothing covers it yet.
    QImage shape(image_.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        // Black outline, white inside: the mask of which pixel takes which.
        CanvasPainter painter(shape, kBlack);
        painter.setBrush(Qt::white);
        PaintEllipse(painter, box.left, box.top, box.right, box.bottom);
    }
    const int top = static_cast<int>(std::max(box.top, 0LL));
    const int bottom = static_cast<int>(std::min<long long>(box.bottom, image_.height()));
    const int left = static_cast<int>(std::max(box.left, 0LL));
    const int right = static_cast<int>(std::min<long long>(box.right, image_.width()));
    for (int y = top; y < bottom; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = left; x < right; ++x)
            if (qAlpha(from[x]) != 0 && coverage_.Cover(y, x >> 6, std::uint64_t{1} << (x & 63)) != 0)
                to[x] = qRed(from[x]) == 0 ? pen : brush;
    }
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
