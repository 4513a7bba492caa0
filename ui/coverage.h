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
    bool Covers(Rect area) const { return blocks_.Hide(area) || CoversSlowly(area); }
    // What one look-up per disc tells, valid until the next Cover or Reset.
    const CoveredBlocks& Blocks() const { return blocks_; }

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
    static constexpr int kBlockBits = CoveredBlocks::kBlockBits;
    static constexpr int kBlock = 1 << kBlockBits;
    static constexpr std::size_t kReach = CoveredBlocks::kReach;
    static constexpr auto kMargin = static_cast<std::size_t>(CoveredBlocks::kMargin);

    // A rectangle of the picture, not empty.
    bool PixelsCovered(int left, int top, int right, int bottom) const;
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
    // whether each is covered (those off the picture always are), and the
    // reach of those a look-up may start from, which blocks_ shows.
    std::size_t gridAcross_ = 0;
    std::vector<std::uint8_t> done_;
    std::vector<std::uint16_t> reach_;
    CoveredBlocks blocks_;
};
