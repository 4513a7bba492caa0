#include "ui/coverage.h"

#include <algorithm>
#include <bit>

namespace {

// The set bits of a byte: baseline x86-64 counts bits by a library call.
int BitsSet(std::uint64_t byte)
{
    byte = byte - ((byte >> 1) & 0x55);
    byte = (byte & 0x33) + ((byte >> 2) & 0x33);
    return static_cast<int>((byte + (byte >> 4)) & 0x0F);
}

// A row of three blocks, bit j set when block j is covered, to the runs of
// covered blocks from the first: bit a set when blocks 0 .. a all are.
constexpr std::uint16_t kRunFromFirst[8] = {0, 1, 0, 3, 0, 1, 0, 7};

}  // namespace

void Coverage::CountCovered(int y, int word, std::uint64_t fresh)
{
    // Each byte of a word is one block's row.
    const auto blockRow = static_cast<std::size_t>(y / kBlock);
    const auto firstBlock = static_cast<std::size_t>(word) * 8;
    for (std::uint64_t rest = fresh; rest != 0;) {
        const int byte = std::countr_zero(rest) / 8;
        const std::uint64_t inBlock = (rest >> (8 * byte)) & 0xFF;
        rest &= ~(std::uint64_t{0xFF} << (8 * byte));
        const std::size_t block = firstBlock + static_cast<std::size_t>(byte);
        std::uint8_t& open = open_[blockRow * blocksAcross_ + block];
        open = static_cast<std::uint8_t>(open - BitsSet(inBlock));
        if (open == 0) UpdateReach(block + kMargin, blockRow + kMargin);
    }
}

std::uint16_t Coverage::ReachFrom(std::size_t column, std::size_t row) const
{
    // Row by row, the runs of covered blocks, none longer than the rows above
    // it allow.
    std::uint16_t reach = 0;
    std::uint16_t runs = 7;
    for (std::size_t down = 0; down < kReach; ++down) {
        const std::uint8_t* blocks = &done_[(row + down) * gridAcross_ + column];
        runs &= kRunFromFirst[blocks[0] | blocks[1] << 1 | blocks[2] << 2];
        reach = static_cast<std::uint16_t>(reach | runs << (down * kReach));
    }
    return reach;
}

void Coverage::UpdateReach(std::size_t column, std::size_t row)
{
    done_[row * gridAcross_ + column] = 1;
    const std::size_t lastY = std::min<std::size_t>(row, blocks_.rows - 1);
    const std::size_t lastX = std::min<std::size_t>(column, blocks_.columns - 1);
    for (std::size_t fromY = row >= kReach - 1 ? row - (kReach - 1) : 0; fromY <= lastY; ++fromY)
        for (std::size_t fromX = column >= kReach - 1 ? column - (kReach - 1) : 0; fromX <= lastX; ++fromX)
            reach_[fromY * gridAcross_ + fromX] = ReachFrom(fromX, fromY);
}

void Coverage::Reset(int width, int height)
{
    width_ = width;
    height_ = height;
    words_ = static_cast<std::size_t>((width + 63) / 64);
    blocksAcross_ = static_cast<std::size_t>((width + kBlock - 1) / kBlock);
    const auto blocksDown = static_cast<std::size_t>((height + kBlock - 1) / kBlock);
    bits_.assign(words_ * static_cast<std::size_t>(height), 0);
    open_.resize(blocksAcross_ * blocksDown);
    for (std::size_t by = 0; by < blocksDown; ++by) {
        const int rows = std::min(kBlock, height - static_cast<int>(by) * kBlock);
        for (std::size_t bx = 0; bx < blocksAcross_; ++bx) {
            const int columns = std::min(kBlock, width - static_cast<int>(bx) * kBlock);
            open_[by * blocksAcross_ + bx] = static_cast<std::uint8_t>(rows * columns);
        }
    }

    // A look-up may start one block past the picture's right or bottom edge
    // and reach kReach − 1 blocks further.
    const std::size_t reachAcross = kMargin + blocksAcross_ + 1, reachDown = kMargin + blocksDown + 1;
    gridAcross_ = reachAcross + kReach - 1;
    const std::size_t gridDown = reachDown + kReach - 1;
    done_.assign(gridAcross_ * gridDown, 1);
    for (std::size_t by = 0; by < blocksDown; ++by)
        std::fill_n(&done_[(by + kMargin) * gridAcross_ + kMargin], blocksAcross_, 0);
    reach_.resize(gridAcross_ * reachDown);
    blocks_ = {reach_.data(), gridAcross_, static_cast<unsigned>(reachAcross), static_cast<unsigned>(reachDown)};
    for (std::size_t row = 0; row < reachDown; ++row)
        for (std::size_t column = 0; column < reachAcross; ++column)
            reach_[row * gridAcross_ + column] = ReachFrom(column, row);
}

bool Coverage::PixelsCovered(int left, int top, int right, int bottom) const
{
    // The pixels asked for in each word of a row, the same in every row.
    const int firstWord = left >> 6, lastWord = (right - 1) >> 6;
    for (int w = firstWord; w <= lastWord; ++w) {
        const int from = std::max(left - w * 64, 0), to = std::min(right - w * 64, 64);
        const std::uint64_t upTo = to == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
        const std::uint64_t mask = upTo & ~((std::uint64_t{1} << from) - 1);
        const std::uint64_t* word = &bits_[static_cast<std::size_t>(top) * words_ + static_cast<std::size_t>(w)];
        for (int y = top; y < bottom; ++y, word += words_)
            if ((*word & mask) != mask) return false;
    }
    return true;
}

bool Coverage::CoversSlowly(Rect area) const
{
    const int left = std::max(area.left, 0), right = std::min(area.right, width_);
    const int top = std::max(area.top, 0), bottom = std::min(area.bottom, height_);
    if (left >= right || top >= bottom) return true;

    // Whole blocks first: a large disc inside a dense body ends here.
    bool blocksCovered = true;
    for (int by = top / kBlock; blocksCovered && by <= (bottom - 1) / kBlock; ++by)
        for (int bx = left / kBlock; bx <= (right - 1) / kBlock; ++bx)
            if (open_[static_cast<std::size_t>(by) * blocksAcross_ + static_cast<std::size_t>(bx)] != 0) {
                blocksCovered = false;
                break;
            }
    return blocksCovered || PixelsCovered(left, top, right, bottom);
}
