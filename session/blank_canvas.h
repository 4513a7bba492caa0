#pragma once

#include <algorithm>
#include <string_view>

#include "session/canvas.h"

// A drawing area that only has a size: the step and the hit test read it, and
// nothing is drawn. Programs without pictures run a Session on it.
class BlankCanvas : public Canvas {
public:
    BlankCanvas(int width, int height) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    Rect ClipRect() const override { return {0, 0, width_, height_}; }
    void Resize(int width, int height) override
    {
        width_ = std::max(width, 1);
        height_ = std::max(height, 1);
    }
    void SetBrushColor(Color) override {}
    void SetPenColor(Color) override {}
    void FillRect(Rect) override {}
    void Ellipse(int, int, int, int) override {}
    void Discs(const DiscRun&) override {}
    void TextOut(int, int, std::string_view) override {}
    int TextWidth(std::string_view) const override { return 0; }
    int TextHeight(std::string_view) const override { return 0; }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}

private:
    int width_;
    int height_;
};
