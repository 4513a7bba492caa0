#pragma once

#include <QImage>

#include "session/canvas.h"
#include "ui/coverage.h"
#include "ui/disc_stamp.h"

// Paints the discs of a run from the last down, so that each pixel is written
// once, by the last disc over it: a pixel once written is final, and a disc
// whose bounds are all final is hidden and never boxed.
class BackwardsPainter {
public:
    // Every disc of `run`, outlined in `pen` and filled with `brush` (both
    // 0xAARRGGBB) on `picture`, as painting them in index order would; a
    // pixel no disc covers keeps what it held.
    void Paint(const DiscRun& run, QImage& picture, QRgb pen, QRgb brush);

private:
    void PaintUncovered(QImage& picture, const OrderedBox& box, QRgb pen, QRgb brush);

    Coverage coverage_;  // kept between runs for its memory
    DiscStamps stamps_;
};
