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

// The discs of one frame, by index, for Canvas::Discs. A canvas may ask for
// them in any order and more than once, so both questions must be pure.
class DiscRun {
public:
    virtual ~DiscRun() = default;

    virtual std::size_t Count() const = 0;
    // The box handed to Ellipse for disc i, or nothing when it is not drawn.
    virtual std::optional<EllipseBox> Box(std::size_t i) const = 0;
    // For each disc first + k: a rectangle holding every pixel of its box,
    // found more cheaply than the box; nothing when that cannot be told
    // cheaply (ask Box then). Asked for many at once, since a canvas may ask
    // for nearly every disc of a run of millions.
    virtual void Bounds(std::size_t first, std::span<std::optional<Rect>> bounds) const = 0;
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
