#include "ui/backwards_painter.h"

#include <algorithm>
#include <array>
#include <span>

#include <QPainter>

namespace {

// Discs asked for at once: few enough for their bounds to stay in the
// first-level cache.
constexpr std::size_t kBoundsAtOnce = 256;

}  // namespace

void BackwardsPainter::Paint(const DiscRun& run, QImage& picture, QRgb pen, QRgb brush)
{
    coverage_.Reset(picture.width(), picture.height());
    std::array<DiscBounds, kBoundsAtOnce> found;
    for (std::size_t end = run.Count(); end > 0;) {
        const std::size_t from = end > found.size() ? end - found.size() : 0;
        // The blocks as they stand now: the discs painted meanwhile may hide
        // more of those found, which the exact test below then tells.
        const std::size_t unhidden = run.Bounds(from, coverage_.Blocks(), std::span(found).first(end - from));
        for (const DiscBounds& disc : std::span(found).first(unhidden)) {
            if (disc.bounds && coverage_.Covers(*disc.bounds)) continue;
            const auto corners = run.Box(disc.index);
            if (!corners) continue;
            const auto box =
                VisibleBox(corners->x1, corners->y1, corners->x2, corners->y2, picture.width(), picture.height());
            if (!box) continue;
            if (const DiscStamp* stamp = stamps_.For(*box))
                stamp->StampUncovered(picture, static_cast<int>(box->left), static_cast<int>(box->top), pen, brush,
                                      coverage_);
            else
                PaintUncovered(picture, *box, pen, brush);
        }
        end = from;
    }
}

void BackwardsPainter::PaintUncovered(QImage& picture, const OrderedBox& box, QRgb pen, QRgb brush)
{
    // Rasterised on a clear picture of the same size, so that it is clipped as
    // painting it there would be, then copied where nothing covers it yet.
    QImage shape(picture.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        // Black outline, white inside: the mask of which pixel takes which.
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        PaintEllipse(painter, box.left, box.top, box.right, box.bottom);
    }
    const int top = static_cast<int>(std::max(box.top, 0LL));
    const int bottom = static_cast<int>(std::min<long long>(box.bottom, picture.height()));
    const int left = static_cast<int>(std::max(box.left, 0LL));
    const int right = static_cast<int>(std::min<long long>(box.right, picture.width()));
    for (int y = top; y < bottom; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = left; x < right; ++x)
            if (qAlpha(from[x]) != 0 && coverage_.Cover(y, x >> 6, std::uint64_t{1} << (x & 63)) != 0)
                to[x] = qRed(from[x]) == 0 ? pen : brush;
    }
}
