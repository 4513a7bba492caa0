#include "ui/image_view.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QMouseEvent>
#include <QPainter>

namespace {

// The pixel under the pointer, also where positions come in fractions.
QPoint PixelOf(const QMouseEvent* event)
{
    return {static_cast<int>(std::floor(event->position().x())), static_cast<int>(std::floor(event->position().y()))};
}

// With RBD_FIRST_FRAME_CLOCK set, the first paint of a drawing area writes
// the monotonic clock to standard error, so that a benchmark on the same
// machine can tell how long the program took to show its first frame.
void ReportFirstFrame()
{
    static const bool wanted = std::getenv("RBD_FIRST_FRAME_CLOCK") != nullptr;
    static bool reported = false;
    if (!wanted || reported) return;
    reported = true;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "first frame shown at %lld ns\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stderr);
}

constexpr int kHintMargin = 8;
constexpr int kHintPadding = 4;
constexpr int kBandEndRadius = 3;
// Dark, and dashed: not the push's black arrow, which a release draws.
const QColor kBandColor(64, 64, 64);

}  // namespace

ImageView::ImageView(const ImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas)
{
    resize(canvas.Width(), canvas.Height());
    // The picture covers the whole area: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A press here takes the keys back from the density box, so that the
    // window's keys act again; Tab brings them here for a push with keys.
    setFocusPolicy(Qt::StrongFocus);
}

void ImageView::StartBand(QPoint from)
{
    bandFrom_ = from;
    bandTo_ = from;
    update();
}

void ImageView::EndBand()
{
    if (!bandFrom_) return;
    bandFrom_.reset();
    update();
}

std::optional<QLine> ImageView::Band() const
{
    if (!bandFrom_) return std::nullopt;
    return QLine(*bandFrom_, bandTo_);
}

void ImageView::SetHint(const QString& hint)
{
    if (hint == hint_) return;
    update(HintRect());
    hint_ = hint;
    update(HintRect());
}

QRect ImageView::HintRect() const
{
    if (hint_.isEmpty()) return {};
    const QSize text = fontMetrics().size(0, hint_) + QSize(2 * kHintPadding, 2 * kHintPadding);
    return {QPoint(width() - kHintMargin - text.width(), kHintMargin), text};
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.Image(), event->rect());
    if (!hint_.isEmpty()) {
        const QRect box = HintRect();
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::ToolTipBase));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawText(box, Qt::AlignCenter, hint_);
    }
    if (bandFrom_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kBandColor, 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(*bandFrom_) + QPointF(0.5, 0.5), kBandEndRadius, kBandEndRadius);
        painter.drawLine(QPointF(*bandFrom_) + QPointF(0.5, 0.5), QPointF(bandTo_) + QPointF(0.5, 0.5));
    }
    if (paintOver) paintOver(painter);
    ReportFirstFrame();
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

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!bandFrom_) return;
    bandTo_ = PixelOf(event);
    update();
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = PixelOf(event);
    emit MouseUp(at.x(), at.y());
}
