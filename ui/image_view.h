#pragma once

#include <QWidget>

#include "ui/image_canvas.h"

// The drawing area: shows the retained picture at its top-left corner, keeps
// the picture the size of the area, and reports presses and releases of any
// mouse button in its own pixels. A double click counts as a press.
class ImageView : public QWidget {
    Q_OBJECT

public:
    ImageView(int width, int height, QWidget* parent);

    // The picture, at the area's current size.
    ImageCanvas& Canvas();

signals:
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ImageCanvas canvas_;
};
