#include "ui/image_view.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace {

// The pixel under the pointer, also where positions come in fractions.
QPoint PixelOf(const QMouseEvent* event)
{
    return {static_cast<int>(std::floor(event->position().x())), static_cast<int>(std::floor(event->position().y()))};
}

}  // namespace

ImageView::ImageView(const ImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas)
{
    resize(canvas.Width(), canvas.Height());
    // The picture covers the whole area: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A press here takes the keys back from the density box, so that the
    // window's keys act again.
    setFocusPolicy(Qt::ClickFocus);
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

void ImageView::resizeEvent(QResizeEvent*)
{
    emit Resized(width(), height());
    update();
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = PixelOf(event);
    emit MouseDown(at.x(), at.y());
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = PixelOf(event);
    emit MouseUp(at.x(), at.y());
}
