#include "ui/disc_stamp.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#include <QImage>

void PaintEllipse(QPainter& painter, long long left, long long top, long long right, long long bottom)
{
    // An outline of a QRect of width w covers w + 1 columns with a one-pixel
    // pen, so w = right − left − 1 covers exactly left .. right − 1. A box too
    // large for QRect's int arithmetic (never a particle's) goes in floating point.
    constexpr long long kLargestIntBox = 1 << 24;
    if (right - left > kLargestIntBox || bottom - top > kLargestIntBox)
        painter.drawEllipse(QRectF(static_cast<double>(left), static_cast<double>(top),
                                   static_cast<double>(right - left - 1), static_cast<double>(bottom - top - 1)));
    else
        painter.drawEllipse(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left - 1),
                                  static_cast<int>(bottom - top - 1)));
}

DiscStamp::DiscStamp(int width, int height)
    : width_(width), height_(height), cover_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kNone),
      rows_(static_cast<std::size_t>(height), 0)
{
    // Rasterised in two colours on a transparent ground, to tell outline from
    // inside; a margin would show any pixel drawn outside the box.
    constexpr int kMargin = 2;
    QImage picture(width + 2 * kMargin, height + 2 * kMargin, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        PaintEllipse(painter, kMargin, kMargin, kMargin + width, kMargin + height);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x + kMargin, y + kMargin);
            if (qAlpha(pixel) == 0) continue;
            cover_[y * width + x] = qRed(pixel) == 0 ? kPen : kBrush;
            rows_[y] |= std::uint64_t{1} << x;
        }
    }
}

void DiscStamp::Stamp(QImage& image, int left, int top, QRgb pen, QRgb brush) const
{
    const int firstRow = std::max(0, -top), lastRow = std::min(height_, image.height() - top);
    const int firstColumn = std::max(0, -left), lastColumn = std::min(width_, image.width() - left);
    for (int y = firstRow; y < lastRow; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(top + y));
        const Cover* cover = &cover_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)];
        for (int x = firstColumn; x < lastColumn; ++x) {
            if (cover[x] == kPen)
                row[left + x] = pen;
            else if (cover[x] == kBrush)
                row[left + x] = brush;
        }
    }
}

void DiscStamp::StampUncovered(QImage& image, int left, int top, QRgb pen, QRgb brush, Coverage& coverage) const
{
    const int firstRow = std::max(0, -top), lastRow = std::min(height_, image.height() - top);
    const int firstColumn = std::max(0, -left), lastColumn = std::min(width_, image.width() - left);
    if (firstColumn >= lastColumn) return;
    // The stamp's columns on the picture, moved so that bit 0 is column `from`.
    const int from = left + firstColumn;
    const int shift = from & 63;
    const std::uint64_t onPicture =
        (lastColumn - firstColumn == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << (lastColumn - firstColumn)) - 1);
    // One detach for the whole stamp rather than one per row.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = firstRow; y < lastRow; ++y) {
        const std::uint64_t pixels = (rows_[y] >> firstColumn) & onPicture;
        if (pixels == 0) continue;
        auto* row = reinterpret_cast<QRgb*>(bits + (top + y) * stride);
        const Cover* cover = &cover_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)];
        const int word = from >> 6;
        const std::uint64_t parts[2] = {pixels << shift, shift == 0 ? 0 : pixels >> (64 - shift)};
        for (int part = 0; part < 2; ++part) {
            if (parts[part] == 0) continue;
            for (std::uint64_t fresh = coverage.Cover(top + y, word + part, parts[part]); fresh != 0;
                 fresh &= fresh - 1) {
                const int x = (word + part) * 64 + std::countr_zero(fresh);
                row[x] = cover[x - left] == kPen ? pen : brush;
            }
        }
    }
}

std::optional<OrderedBox> VisibleBox(int x1, int y1, int x2, int y2, int width, int height)
{
    // In 64 bits: corners near the int limits must not overflow the box size.
    const OrderedBox box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (box.right - box.left < 2 || box.bottom - box.top < 2) return std::nullopt;
    if (box.right <= 0 || box.bottom <= 0 || box.left >= width || box.top >= height) return std::nullopt;
    return box;
}

const DiscStamp* DiscStamps::For(const OrderedBox& box)
{
    if (box.right - box.left > kLargestStamp || box.bottom - box.top > kLargestStamp) return nullptr;
    const auto size = std::pair{static_cast<int>(box.right - box.left), static_cast<int>(box.bottom - box.top)};
    auto stamp = stamps_.find(size);
    if (stamp == stamps_.end()) stamp = stamps_.emplace(size, DiscStamp(size.first, size.second)).first;
    return &stamp->second;
}
