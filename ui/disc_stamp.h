#pragma once

#include <cstdint>
#include <vector>

#include <QPainter>

#include "session/canvas.h"

// Which pixels of a picture a run of discs painted backwards has already
// given their final colour: an earlier disc leaves those as they are. Also
// kept per 8 × 8 block, so that most hidden discs are told in a few reads.
class Coverage {
public:
    // Nothing covered, on a picture of width × height pixels.
    void Reset(int width, int height);
    // Whether every pixel of `area` that lies on the picture is covered.
    bool Covers(Rect area) const;
    // Covers the pixels 64·word + j of row y for each bit j of `pixels`, all
    // on the picture; returns those that were not covered before.
    std::uint64_t Cover(int y, int word, std::uint64_t pixels);

private:
    static constexpr int kBlock = 8;

    int width_ = 0;
    int height_ = 0;
    std::size_t words_ = 0;         // per row of pixels
    std::size_t blocksAcross_ = 0;  // per row of blocks
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint8_t> open_;  // per block: pixels not covered yet
};

// Paints the ellipse inscribed in the box left..right−1 by top..bottom−1 with
// the painter's pen and brush: the one way every disc is rasterised.
void PaintEllipse(QPainter& painter, long long left, long long top, long long right, long long bottom);

inline constexpr int kLargestStamp = 64;

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
