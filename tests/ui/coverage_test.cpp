#include "ui/coverage.h"

#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The same pixels as a plain grid of flags.
class PlainCoverage {
public:
    PlainCoverage(int width, int height)
        : width_(width), height_(height), covered_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    {
    }

    bool Cover(int y, int x)
    {
        const bool fresh = !covered_[At(y, x)];
        covered_[At(y, x)] = true;
        return fresh;
    }
    bool Covers(Rect area) const
    {
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, height_); ++y)
            for (int x = std::max(area.left, 0); x < std::min(area.right, width_); ++x)
                if (!covered_[At(y, x)]) return false;
        return true;
    }

private:
    std::size_t At(int y, int x) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<bool> covered_;
};

}  // namespace

// Pixels are covered in short runs of a row, as a stamp covers them, until
// every one is; at each stage the answers for rectangles of every size, on
// and off the picture, must be what the pixels say, the one look-up a run
// makes must never call a rectangle hidden that is not, and once all is
// covered it must tell every disc-sized rectangle by itself.
TEST(Coverage, AnswersAsThePixelsSay)
{
    std::mt19937 random(29);
    const auto whole = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int hiddenByLookUp = 0;
    for (int trial = 0; trial < 25; ++trial) {
        const int width = whole(1, 200), height = whole(1, 130);
        Coverage coverage;
        coverage.Reset(width, height);
        PlainCoverage plain(width, height);
        const auto anyRect = [&] {
            const int left = whole(-24, width + 8), top = whole(-24, height + 8);
            const bool discSized = whole(0, 3) > 0;
            return Rect{left, top, left + whole(0, discSized ? 17 : 90), top + whole(0, discSized ? 17 : 90)};
        };
        const auto check = [&] {
            for (int i = 0; i < 40; ++i) {
                const Rect area = anyRect();
                const bool covered = plain.Covers(area);
                ASSERT_EQ(coverage.Covers(area), covered) << area.left << " " << area.top << " " << area.right;
                if (coverage.Blocks().Hide(area)) {
                    ASSERT_TRUE(covered) << area.left << " " << area.top << " " << area.right << " " << area.bottom;
                    ++hiddenByLookUp;
                }
            }
        };

        for (int y = 0, x = 0; y < height;) {
            const int length = whole(1, 14);
            for (int word = x / 64; word <= (std::min(x + length, width) - 1) / 64; ++word) {
                std::uint64_t pixels = 0, fresh = 0;
                for (int column = std::max(x, word * 64); column < std::min({x + length, width, word * 64 + 64});
                     ++column) {
                    pixels |= std::uint64_t{1} << (column - word * 64);
                    if (plain.Cover(y, column)) fresh |= std::uint64_t{1} << (column - word * 64);
                }
                ASSERT_EQ(coverage.Cover(y, word, pixels), fresh);
            }
            // Row by row, some runs twice.
            x += whole(0, 2) == 0 ? 0 : length;
            if (x >= width) {
                x = 0;
                ++y;
            }
            if (whole(0, 30) == 0) check();
        }
        check();
        for (int i = 0; i < 40; ++i) {
            const int left = whole(-8, width), top = whole(-8, height);
            EXPECT_TRUE(coverage.Blocks().Hide({left, top, left + whole(1, 17), top + whole(1, 17)}));
        }
    }
    EXPECT_GT(hiddenByLookUp, 100);
}
