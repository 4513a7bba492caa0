#include "ui/backwards_painter.h"

#include <algorithm>
#include <array>
#include <span>
#include <future>
#include <vector>

#include <QPainter>

namespace {

// Discs asked for at once: few enough for their bounds to stay in the
// first-level cache.
constexpr std::size_t kBoundsAtOnce = 256;
// The last 1/kAloneShare of a shared run is painted first, alone: it covers
// most of what the earlier discs would, so that the blocks then copied for
// the other core hide most of those.
constexpr std::size_t kAloneShare = 16;

// Where the batch of discs that ends at `end` begins: the canvas takes a run
// from its last disc down, kBoundsAtOnce at a time, to `first`.
std::size_t BatchStart(std::size_t first, std::size_t end)
{
    return end - first > kBoundsAtOnce ? end - kBoundsAtOnce : first;
}

// The discs of [first, end) whose bounds `covered` does not show hidden, from
// the last down, as the canvas would find them in batches.
std::vector<DiscBounds> Unhidden(const DiscRun& run, std::size_t first, std::size_t end, const CoveredBlocks& covered)
{
    std::vector<DiscBounds> kept;
    std::array<DiscBounds, kBoundsAtOnce> found;
    while (end > first) {
        const std::size_t from = BatchStart(first, end);
        const std::size_t unhidden = run.Bounds(from, covered, std::span(found).first(end - from));
        kept.insert(kept.end(), found.begin(), found.begin() + static_cast<std::ptrdiff_t>(unhidden));
        end = from;
    }
    return kept;
}

}  // namespace

void BackwardsPainter::Paint(const DiscRun& run, QImage& picture, QRgb pen, QRgb brush)
{
    coverage_.Reset(picture.width(), picture.height());
    const std::size_t count = run.Count();
    if (count < kSharedFrom) {
        PaintDown(run, 0, count, picture, pen, brush);
        return;
    }
    // Two cores: this one paints the later half of the run while the other
    // finds which discs of the earlier half the blocks covered so far leave
    // unhidden; this one then paints those. A disc let through by blocks
    // older than it would have met is told hidden by the exact test, and
    // painting leaves covered pixels as they are: the picture is the same.
    const std::size_t alone = count - count / kAloneShare;
    PaintDown(run, alone, count, picture, pen, brush);
    const CoveredBlocks& blocks = coverage_.Blocks();
    const std::vector<std::uint16_t> reach(blocks.reach, blocks.reach + blocks.stride * blocks.rows);
    CoveredBlocks copied = blocks;
    copied.reach = reach.data();
    const std::size_t middle = alone / 2;
    // Where no thread can be had, the earlier half is found when asked for.
    auto earlier = std::async(std::launch::async | std::launch::deferred,
                              [&run, middle, &copied] { return Unhidden(run, 0, middle, copied); });
    PaintDown(run, middle, alone, picture, pen, brush);
    PaintFound(run, earlier.get(), picture, pen, brush);
}

void BackwardsPainter::PaintDown(const DiscRun& run, std::size_t first, std::size_t end, QImage& picture, QRgb pen,
                                 QRgb brush)
{
    std::array<DiscBounds, kBoundsAtOnce> found;
    while (end > first) {
        const std::size_t from = BatchStart(first, end);
        // The blocks as they stand now: the discs painted meanwhile may hide
        // more of those found, which the exact test then tells.
        const std::size_t unhidden = run.Bounds(from, coverage_.Blocks(), std::span(found).first(end - from));
        PaintFound(run, std::span(found).first(unhidden), picture, pen, brush);
        end = from;
    }
}

void BackwardsPainter::PaintFound(const DiscRun& run, std::span<const DiscBounds> discs, QImage& picture, QRgb pen,
                                  QRgb brush)
{
    for (const DiscBounds& disc : discs) {
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
