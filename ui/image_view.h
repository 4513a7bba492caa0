#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "ui/image_canvas.h"

class QPainter;

// The drawing area: shows the retained picture at its top-left corner and
// reports its size and the presses and releases of any mouse button in its own
// pixels. A double click counts as a press. The session keeps the picture the
// size of the area. Tab reaches it, as a press on it does.
//
// Over the picture, never in it (frames and saved pictures stay exactly the
// session's): the rubber band of a push being dragged, from the grabbed disc's
// centre to the pointer, and a hint in the top-right corner.
class ImageView : public QWidget {
    Q_OBJECT

public:
    ImageView(const ImageCanvas& canvas, QWidget* parent);

    const ImageCanvas& Canvas() const { return canvas_; }

    // The band from `from` follows the pointer until EndBand.
    void StartBand(QPoint from);
    void EndBand();
    // One line of text; empty for none.
    void SetHint(const QString& hint);
    const QString& Hint() const { return hint_; }
    std::optional<QLine> Band() const;
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
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect HintRect() const;

    const ImageCanvas& canvas_;
    std::optional<QPoint> bandFrom_;
    QPoint bandTo_;
    QString hint_;
};
