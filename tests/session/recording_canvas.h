#pragma once

#include <string>
#include <vector>

#include "session/canvas.h"

// Writes down every call, so a test can check exactly what was drawn.
// Text is measured in fixed cells, one per byte.
class RecordingCanvas : public Canvas {
public:
    static constexpr int kCellWidth = 7;
    static constexpr int kCellHeight = 15;

    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    Rect ClipRect() const override { return {0, 0, width_, height_}; }
    void Resize(int width, int height) override
    {
        width_ = width;
        height_ = height;
        Record("resize " + Join({width, height}));
    }

    void SetBrushColor(Color color) override { Record("brush " + std::to_string(color)); }
    void SetPenColor(Color color) override { Record("pen " + std::to_string(color)); }
    void FillRect(Rect r) override { Record("fill " + Join({r.left, r.top, r.right, r.bottom})); }
    void Ellipse(int x1, int y1, int x2, int y2) override { Record("ellipse " + Join({x1, y1, x2, y2})); }
    void TextOut(int x, int y, std::string_view text) override
    {
        Record("text " + Join({x, y}) + " " + std::string(text));
    }
    // Measuring draws nothing, so it is not written down.
    int TextWidth(std::string_view text) const override { return kCellWidth * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) const override { return kCellHeight; }
    void MoveTo(int x, int y) override { Record("move " + Join({x, y})); }
    void LineTo(int x, int y) override { Record("line " + Join({x, y})); }

    std::vector<std::string> calls;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
    static std::string Join(std::initializer_list<int> values)
    {
        std::string joined;
        for (int v : values) joined += (joined.empty() ? "" : " ") + std::to_string(v);
        return joined;
    }

    int width_;
    int height_;
};
