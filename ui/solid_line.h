#pragma once

#include <QImage>
#include <QPoint>

// Writes the pixels QPainter's raster engine gives a line of a solid,
// one-pixel, square-capped pen without antialiasing, from `from` to `to` with
// both ends on `image` (Format_RGB32) and each coordinate below 2^15; returns
// false, writing nothing, for any other line, which a painter must draw. A
// painter costs more to open than the few pixels of a short line take to
// write, and the trail is two thousand such lines a frame.
bool PaintSolidLine(QImage& image, QPoint from, QPoint to, QRgb color);
