#pragma once

#include <functional>

#include <QWidget>

#include "ui/image_canvas.h"

class QPainter;

// The drawing area: shows the retained picture at its top-left corner and
// reports its size and the presses and releases of any mouse button in its own
// pixels. A double click counts as a press. The session keeps the picture the
// size of the area. Tab reaches it, as a press on it does.
class ImageView : public QWidget {
    Q_OBJECT

public:
    ImageView(const ImageCanvas& canvas, QWidget* parent);

    const ImageCanvas& Canvas() const { return canvas_; }

    // Draws over the picture on the screen, never into it: frames and saved
    // pictures stay the session's.
    std::function<void(QPainter&)> paintOver;

signals:
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);
    void Resized(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const ImageCanvas& canvas_;
};
