#pragma once

#include <cstddef>
#include <span>

#include <QImage>

#include "session/canvas.h"
#include "ui/coverage.h"
#include "ui/disc_stamp.h"

// Paints the discs of a run from the last down, so that each pixel is written
// once, by the last disc over it: a pixel once written is final, and a disc
// whose bounds are all final is hidden and never boxed.
class BackwardsPainter {
public:
    // Runs of at least this many discs are shared with a second core, which
    // finds the hidden ones among the earlier discs: for fewer, starting it
    // would cost more than it saves.
    static constexpr std::size_t kSharedFrom = 1 << 16;

    // Every disc of `run`, outlined in `pen` and filled with `brush` (both
    // 0xAARRGGBB) on `picture`, as painting them in index order would; a
    // pixel no disc covers keeps what it held.
    void Paint(const DiscRun& run, QImage& picture, QRgb pen, QRgb brush);

private:
    // Discs first .. end − 1, from the last down.
    void PaintDown(const DiscRun& run, std::size_t first, std::size_t end, QImage& picture, QRgb pen, QRgb brush);
    // Those of `discs`, in their order, that the exact test does not find hidden.
    void PaintFound(const DiscRun& run, std::span<const DiscBounds> discs, QImage& picture, QRgb pen, QRgb brush);
    void PaintUncovered(QImage& picture, const OrderedBox& box, QRgb pen, QRgb brush);

    Coverage coverage_;  // kept between runs for its memory
    DiscStamps stamps_;
};
