#include "ui/timeline_bar.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTimer>

#include "session/quantities.h"
#include "ui/Unit1.h"
#include "ui/language.h"

namespace {

// A frame of a 60 Hz screen, in milliseconds.
constexpr int kScreenFrame = 16;

// A slider whose positions after the handle, the kept future, are hatched,
// and whose keyboard focus is framed plainly enough to be seen.
class KeptRunSlider : public QSlider {
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QSlider::paintEvent(event);
        QPainter painter(this);
        if (value() < maximum()) {
            QStyleOptionSlider option;
            initStyleOption(&option);
            const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
            const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
            const QRect future(handle.right() + 1, handle.top(), groove.right() - handle.right(), handle.height());
            painter.fillRect(future, QBrush(palette().color(QPalette::Highlight), Qt::BDiagPattern));
        }
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }
};

}  // namespace

TimelineBar::TimelineBar(TForm1& form, QWidget* parent)
    : QToolBar(tr("Time&line"), parent), stepBack(new QAction(tr("Step &back"), &form)), form_(form),
      slider_(new KeptRunSlider(Qt::Horizontal, this)), present_(new QLabel(this)), nextFrame_(new QTimer(this))
{
    setObjectName(QStringLiteral("timeline"));  // for the window's saved state
    // Its title's mnemonic mark is no part of its name.
    setAccessibleName(tr("Timeline"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setShortcut(Qt::CTRL | Qt::Key_T);
    // Told before the tool bar acts on it, which then finds the bar as asked.
    // Shown or hidden otherwise (the window's saved state, its first showing),
    // the bar is already as the action says.
    connect(toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (shown == isHidden()) ShowKeepingDrawingArea(shown);
    });

    slider_->setAccessibleName(tr("Timeline"));
    slider_->setFocusPolicy(Qt::StrongFocus);
    addWidget(slider_);
    // Wide enough for long runs, so that the slider does not shift as the text grows.
    present_->setMinimumWidth(present_->fontMetrics().horizontalAdvance(
        tr("step %1 of %2, %3")
            .arg(QStringLiteral("000000"), QStringLiteral("000000"), tr("t = %1").arg(QStringLiteral("00000.0")))));
    present_->setIndent(6);
    addWidget(present_);
    connect(slider_, &QSlider::valueChanged, this, &TimelineBar::SeekTo);
    connect(slider_, &QSlider::sliderPressed, this, [this] {
        if (form_.Running()) form_.Do({.kind = CommandKind::Pause});
    });

    stepBack->setShortcut(Qt::CTRL | Qt::Key_Left);
    // Before step 0 there is no step to seek, nor a script line for one.
    connect(stepBack, &QAction::triggered, this, [this] {
        if (const long long back = form_.Simulation().steps - 1; back >= 0)
            form_.Do({.kind = CommandKind::Seek, .count = back});
    });
    // Added to the form, the key works with or without the bar shown.
    form.addAction(stepBack);

    nextFrame_->setSingleShot(true);
    nextFrame_->setInterval(kScreenFrame);
    connect(nextFrame_, &QTimer::timeout, this, &TimelineBar::ShowPresent);
    listening_ = form.CurrentSession().Listen(*this);
    ShowPresent();
}

QString TimelineBar::Shown() const { return present_->text(); }

// While running, a tick may come more often than the screen shows a frame. A
// hidden bar catches up when it is shown.
void TimelineBar::Redrawn()
{
    if (isHidden()) return;
    if (!form_.Running())
        ShowPresent();
    else if (!nextFrame_->isActive())
        nextFrame_->start();
}

void TimelineBar::showEvent(QShowEvent* event)
{
    QToolBar::showEvent(event);
    ShowPresent();
}

void TimelineBar::ShowPresent()
{
    nextFrame_->stop();
    const Session& session = form_.CurrentSession();
    const History& history = session.KeptHistory();
    const long long present = session.Simulation().steps;
    oldest_ = history.Oldest();
    // Kept steps span at most History::kMostStepsBack, well within an int.
    showing_ = true;
    slider_->setRange(0, static_cast<int>(history.Newest() - oldest_));
    slider_->setValue(static_cast<int>(present - oldest_));
    showing_ = false;
    slider_->setToolTip(tr("Kept: steps %1 to %2").arg(oldest_).arg(history.Newest()));
    const QString time = tr("t = %1").arg(LocalNumber(SimulatedTime(present), 'f', 1));
    present_->setText(present == history.Newest()
                          ? tr("step %1, %2").arg(present).arg(time)
                          : tr("step %1 of %2, %3").arg(present).arg(history.Newest()).arg(time));
}

void TimelineBar::SeekTo(int position)
{
    if (!showing_) form_.Do({.kind = CommandKind::Seek, .count = oldest_ + position});
}

// The drawing area is held at its size while the window grows by what the bar
// takes before it is shown (a shown tool bar is laid out at once), or shrinks
// once it is hidden, and let go when the layout has settled. A maximised window
// cannot grow: there the drawing area gives way.
void TimelineBar::ShowKeepingDrawingArea(bool shown)
{
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (!window || window->isMaximized() || window->isFullScreen()) {
        setVisible(shown);
        return;
    }
    QWidget* area = window->centralWidget();
    const QSize minimum = area->minimumSize();
    const QSize maximum = area->maximumSize();
    area->setFixedSize(area->size());
    if (shown) {
        window->resize(window->width(), window->height() + sizeHint().height());
        show();
    } else {
        const int taken = height();
        hide();
        window->resize(window->width(), window->height() - taken);
    }
    QTimer::singleShot(0, area, [area, minimum, maximum] {
        area->setMinimumSize(minimum);
        area->setMaximumSize(maximum);
    });
}
