#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// 24-bit colours laid out as 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kWhite = 0xFFFFFF;

// Right and bottom edges lie outside, as with every rectangle drawn here.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The integer corners handed to Canvas::Ellipse: (x1, y1) the box's bottom-left
// on screen, (x2, y2) its top-right.
struct EllipseBox {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    friend bool operator==(const EllipseBox&, const EllipseBox&) = default;
};

// Which blocks of 8 × 8 pixels a canvas painting discs backwards has covered
// so far, in the form a run tests its discs' bounds against while it forms
// them. The grid starts kMargin blocks before the picture's left and top
// edges; blocks off the picture count as covered.
struct CoveredBlocks {
    static constexpr int kBlockBits = 3;
    // The discs drawn most span at most this many blocks each way (up to
    // 2·8 + 1 pixels).
    static constexpr unsigned kReach = 3;
    static constexpr int kMargin = 1;

    // Per block: ReachBit(a, d) is set when every block from it to a blocks
    // right and d down is covered. Rows `stride` apart; a look-up starts in
    // the first `columns` of the first `rows`.
    const std::uint16_t* reach = nullptr;
    std::size_t stride = 0;
    unsigned columns = 0;
    unsigned rows = 0;

    static constexpr std::uint16_t ReachBit(unsigned across, unsigned down)
    {
        return static_cast<std::uint16_t>(1U << (down * kReach + across));
    }

    // Whether one look-up shows every block under `area` covered; false also
    // when one cannot tell. The area's edges lie within ±2^30, as a run's
    // bounds do; >> rounds down.
    bool Hide(Rect area) const
    {
        const int left = area.left >> kBlockBits, top = area.top >> kBlockBits;
        const auto column = static_cast<unsigned>(left + kMargin), row = static_cast<unsigned>(top + kMargin);
        const auto across = static_cast<unsigned>(((area.right - 1) >> kBlockBits) - left);
        const auto down = static_cast<unsigned>(((area.bottom - 1) >> kBlockBits) - top);
        return column < columns && row < rows && across < kReach && down < kReach &&
               (reach[row * stride + column] & ReachBit(across, down)) != 0;
    }
};

// A disc of a run that its CoveredBlocks did not show hidden, with a
// rectangle holding every pixel of its box (nothing when that cannot be told
// cheaply: ask Box then).
struct DiscBounds {
    std::size_t index = 0;
    std::optional<Rect> bounds;
};

// The discs of one frame, by index, for Canvas::Discs. A canvas may ask for
// them in any order, more than once and from two threads at once, so every
// question must be pure.
class DiscRun {
public:
    virtual ~DiscRun() = default;

    virtual std::size_t Count() const = 0;
    // The box handed to Ellipse for disc i, or nothing when it is not drawn.
    virtual std::optional<EllipseBox> Box(std::size_t i) const = 0;
    // The discs first .. first + out.size() − 1 from the last down, each with
    // bounds found far more cheaply than its box, leaving out those whose
    // bounds `covered` shows hidden; returns how many it wrote to `out`.
    // Asked for many at once, since a canvas may ask for nearly every disc of
    // a run of millions.
    virtual std::size_t Bounds(std::size_t first, const CoveredBlocks& covered, std::span<DiscBounds> out) const = 0;
};

// A retained picture in pixel coordinates (origin top-left, y down) that the
// scene, the push arrow and the overlays draw on. The pen is solid and one
// pixel wide, black until SetPenColor changes it; the font is fixed. Pen and
// brush colours persist between calls. The scene and the push never set the
// pen: they rely on whoever changes it to leave it black.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The whole picture.
    virtual Rect ClipRect() const = 0;
    // Follows the drawing area's size: keeps what fits and fills new space
    // white. A side of 0 keeps one pixel, so that the picture is never empty.
    virtual void Resize(int width, int height) = 0;

    virtual void SetBrushColor(Color color) = 0;
    // Lines, ellipse outlines and text.
    virtual void SetPenColor(Color color) = 0;
    virtual void FillRect(Rect rect) = 0;
    // Inscribed in the box of two corners given in either order; pen outline,
    // brush fill; the box's right column and bottom row stay outside.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Every disc of the run in the brush colour, the same pixels as Ellipse on
    // each box in index order: a later disc covers an earlier one.
    virtual void Discs(const DiscRun& run)
    {
        for (std::size_t i = 0; i < run.Count(); ++i)
            if (const auto box = run.Box(i)) Ellipse(box->x1, box->y1, box->x2, box->y2);
    }
    // The top-left of the first character cell at (x, y), on the brush colour
    // under the text's own cells.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The cells TextOut paints for `text` at (x, y) span from there to
    // (x + TextWidth, y + TextHeight), in pixels.
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
};
