#pragma once

#include <cstdint>
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
