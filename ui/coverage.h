#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "session/canvas.h"

// Which pixels of a picture a run of discs painted backwards has already
// given their final colour: an earlier disc leaves those as they are. Also
// kept per 8 × 8 block, so that a hidden disc is mostly told by one look-up.
class Coverage {
public:
    // Nothing covered, on a picture of width × height pixels.
    void Reset(int width, int height);

    // Whether every pixel of `area` that lies on the picture is covered.
    bool Covers(Rect area) const
    {
        // In 64 bits, so that no edge of an int-sized area overflows; >>
        // rounds down.
        const long long left = area.left >> kBlockBits, top = area.top >> kBlockBits;
        const auto column = static_cast<unsigned long long>(left + kMargin);
        const auto row = static_cast<unsigned long long>(top + kMargin);
        const auto across = static_cast<unsigned long long>(((area.right - 1LL) >> kBlockBits) - left);
        const auto down = static_cast<unsigned long long>(((area.bottom - 1LL) >> kBlockBits) - top);
        if (column < reachAcross_ && row < reachDown_ && across < kReach && down < kReach) {
            // Inside a dense body nearly every question ends here.
            if ((reach_[row * gridAcross_ + column] & ReachBit(across, down)) != 0) return true;
            return PixelsCovered(area);
        }
        return CoversSlowly(area);
    }

    // Covers the pixels 64·word + j of row y for each bit j of `pixels`, all
    // on the picture; returns those that were not covered before.
    std::uint64_t Cover(int y, int word, std::uint64_t pixels)
    {
        std::uint64_t& covered = bits_[static_cast<std::size_t>(y) * words_ + static_cast<std::size_t>(word)];
        const std::uint64_t fresh = pixels & ~covered;
        covered |= fresh;
        if (fresh != 0) CountCovered(y, word, fresh);
        return fresh;
    }

private:
    static constexpr int kBlockBits = 3;
    static constexpr int kBlock = 1 << kBlockBits;
    // The discs drawn most span at most this many blocks each way (up to
    // 2·kBlock + 1 pixels).
    static constexpr unsigned long long kReach = 3;
    // Blocks kept before the picture's left and top edges, always covered,
    // so that a disc cut by those edges is told by its look-up as well.
    static constexpr unsigned long long kMargin = 1;

    static constexpr std::uint16_t ReachBit(unsigned long long across, unsigned long long down)
    {
        return static_cast<std::uint16_t>(1U << (down * kReach + across));
    }
    // `area` within the picture's width and height.
    bool PixelsCovered(Rect area) const;
    bool CoversSlowly(Rect area) const;
    void CountCovered(int y, int word, std::uint64_t fresh);
    // The reach of the block at (column, row) of the grid.
    std::uint16_t ReachFrom(std::size_t column, std::size_t row) const;
    // The block at (column, row) of the grid was just covered: the blocks
    // whose reach holds it may now reach further.
    void UpdateReach(std::size_t column, std::size_t row);

    int width_ = 0;
    int height_ = 0;
    std::size_t words_ = 0;         // per row of pixels
    std::size_t blocksAcross_ = 0;  // per row of blocks
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint8_t> open_;  // per block: pixels not covered yet
    // The grid of blocks from kMargin before the picture to kReach after it:
    // whether each is covered (those off the picture always are), and from
    // which a look-up may start.
    std::size_t gridAcross_ = 0;
    std::size_t reachAcross_ = 0;
    std::size_t reachDown_ = 0;
    std::vector<std::uint8_t> done_;
    // Per block of the grid: ReachBit(a, d) is set when every block from it
    // to a blocks right and d down is covered.
    std::vector<std::uint16_t> reach_;
};
