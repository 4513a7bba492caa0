#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <QPainter>

#include "session/canvas.h"
#include "ui/coverage.h"

// Paints the ellipse inscribed in the box left..right−1 by top..bottom−1 with
// the painter's pen and brush: the one way every disc is rasterised.
void PaintEllipse(QPainter& painter, long long left, long long top, long long right, long long bottom);

inline constexpr int kLargestStamp = 64;

// An ellipse's box with left ≤ right and top ≤ bottom, in 64 bits.
struct OrderedBox {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

// The box of an ellipse between two corners, or nothing when it leaves no
// pixel on a picture of width × height.
std::optional<OrderedBox> VisibleBox(int x1, int y1, int x2, int y2, int width, int height);

// The pixels of one ellipse box size, at most kLargestStamp wide, rasterised once by PaintEllipse and then
// copied wherever a box of that size is drawn: the same pixels as painting
// each disc, at a small fraction of the cost.
class DiscStamp {
public:
    DiscStamp(int width, int height);

    // Writes the outline in `pen` and the inside in `brush` (both 0xAARRGGBB)
    // with the box's top-left at (left, top), clipped to the image.
    void Stamp(QImage& image, int left, int top, QRgb pen, QRgb brush) const;
    // The same, but only on pixels not covered yet, which it then covers.
    void StampUncovered(QImage& image, int left, int top, QRgb pen, QRgb brush, Coverage& coverage) const;

private:
    enum Cover : std::uint8_t { kNone, kPen, kBrush };

    int width_;
    int height_;
    std::vector<Cover> cover_;         // row-major, width_ × height_
    std::vector<std::uint64_t> rows_;  // per row, bit x set where cover_ is not kNone
};

// The stamps of the box sizes drawn so far, each rasterised when first asked for.
class DiscStamps {
public:
    // Nothing for a box too large to keep a stamp of.
    const DiscStamp* For(const OrderedBox& box);

private:
    std::map<std::pair<int, int>, DiscStamp> stamps_;  // by box width and height
};
