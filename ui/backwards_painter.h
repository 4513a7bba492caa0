#pragma once

#include <cstddef>

#include <QImage>

#include "session/canvas.h"
#include "ui/coverage.h"
#include "ui/disc_stamp.h"

// Paints the discs of a run from the last down, so that each pixel is written
// once, by the last disc over it: a pixel once written is final, and a disc
// whose bounds are all final is hidden and never boxed.
class BackwardsPainter {
public:
    // Discs first .. end − 1 of `run`, outlined in `pen` and filled with
    // `brush` (both 0xAARRGGBB) on `picture`, as painting them in index order
    // would; a pixel no disc covers keeps what it held. Covered() then tells
    // which pixels were written.
    void Paint(const DiscRun& run, std::size_t first, std::size_t end, QImage& picture, QRgb pen, QRgb brush);
    const Coverage& Covered() const { return coverage_; }

private:
    void PaintUncovered(QImage& picture, const OrderedBox& box, QRgb pen, QRgb brush);

    Coverage coverage_;  // kept between runs for its memory
    DiscStamps stamps_;
};

// Copies to `picture` the pixels of `layer` (a picture of the same size) that
// `layerCovered` holds and `pictureCovered` does not: what a run's earlier
// discs, painted on their own into the layer, show past its later ones.
void ShowUnder(const QImage& layer, const Coverage& layerCovered, const Coverage& pictureCovered, QImage& picture);
