#include "ui/solid_line.h"

#include <cstdlib>
#include <utility>

namespace {

// The raster engine steps along the longer axis in 26.6 fixed point and
// carries the other coordinate in 16.16; the same integers give the same
// pixels. Both ends lie on the picture, so no clipping moves them.
constexpr int kOne = 64;         // 26.6
constexpr int kHalf = kOne / 2;  // the square cap's reach past each end

// (num / den) in 16.16, truncated towards zero.
int FixedRatio(int num, int den) { return static_cast<int>(static_cast<long long>(num) * 65536 / den); }

// Along the major axis from `major1` to `major2` (26.6, major1 ≤ major2),
// the minor axis starting at `minor1` and reaching `minor2`; `plot(major,
// minor)` writes one pixel.
template <typename Plot>
void Walk(int major1, int minor1, int major2, int minor2, Plot plot)
{
    const int step = FixedRatio(minor2 - minor1, major2 - major1);
    int minor = minor1 * 1024 - (step >> 1);  // 26.6 to 16.16, moved back over the cap
    major1 -= kHalf;
    major2 += kHalf;
    int at = (major1 + kHalf) >> 6;
    const int end = (major2 + kHalf) >> 6;
    if (at == end) return;
    minor += ((at * kOne) + (step > 0 ? kHalf : 0) - major1) * step >> 6;
    do {
        plot(at, minor >> 16);
        minor += step;
    } while (++at < end);
}

}  // namespace

bool PaintSolidLine(QImage& image, QPoint from, QPoint to, QRgb color)
{
    constexpr int kLargest = 1 << 15;  // 16.16 holds its coordinates
    const auto onImage = [&image](QPoint p) {
        return image.rect().contains(p) && p.x() < kLargest && p.y() < kLargest;
    };
    if (image.format() != QImage::Format_RGB32 || !onImage(from) || !onImage(to)) return false;

    auto* const bits = reinterpret_cast<QRgb*>(image.bits());
    const auto stride = static_cast<std::ptrdiff_t>(image.bytesPerLine() / sizeof(QRgb));
    const auto plot = [bits, stride, color](int x, int y) { bits[y * stride + x] = color; };
    int x1 = from.x() * kOne, y1 = from.y() * kOne, x2 = to.x() * kOne, y2 = to.y() * kOne;
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        Walk(y1, x1, y2, x2, [&plot](int y, int x) { plot(x, y); });
    } else if (x1 != x2) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        Walk(x1, y1, x2, y2, plot);
    } else {
        // A line without length is its one pixel.
        plot(from.x(), from.y());
    }
    return true;
}
