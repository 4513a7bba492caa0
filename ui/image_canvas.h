#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>

#include "session/canvas.h"
#include "ui/backwards_painter.h"
#include "ui/disc_stamp.h"

// The retained picture of the drawing area, painted with QPainter: solid
// one-pixel pen, no antialiasing, a fixed pixel-size font, so that a frame is
// the same picture on every machine.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(int width, int height);

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    Rect ClipRect() const override { return {0, 0, image_.width(), image_.height()}; }
    void Resize(int width, int height) override;

    void SetBrushColor(Color color) override { brush_ = color; }
    void SetPenColor(Color color) override { pen_ = color; }
    void FillRect(Rect rect) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    // Many discs are painted backwards, each pixel once by the last disc over it.
    void Discs(const DiscRun& run) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    void MoveTo(int x, int y) override { penPosition_ = {x, y}; }
    void LineTo(int x, int y) override;

    const QImage& Image() const { return image_; }
    static QFont Font();

private:
    QImage image_;
    Color brush_ = kWhite;
    Color pen_ = kBlack;
    QPoint penPosition_;
    DiscStamps stamps_;
    BackwardsPainter backwards_;
};
