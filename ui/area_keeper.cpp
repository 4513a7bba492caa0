#include "ui/area_keeper.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QResizeEvent>
#include <QTimer>

#include "ui/Unit1.h"

AreaKeeper::AreaKeeper(QMainWindow& window, TForm1& form) : QObject(&window), window_(window), form_(form)
{
    QCoreApplication::instance()->installEventFilter(this);
    form_.formResized = [this] { FormResized(); };
}

void AreaKeeper::Start()
{
    keeping_ = true;
    windowSize_ = window_.size();
}

// Seen before the window's layout hands the form its new size: a widget's
// own event filters come after its layout, the application's before.
bool AreaKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Resize) fromOutside_ = event->spontaneous();
    return false;
}

void AreaKeeper::FormResized()
{
    if (!keeping_) {
        form_.AreaFollowsForm();
        return;
    }
    const bool windowResized = window_.size() != windowSize_;
    windowSize_ = window_.size();
    // A size the program asked for, coming back late from the window system
    // after a later one, is not a person's.
    if (windowResized && fromOutside_ && !asked_.contains(window_.size())) {
        asked_.clear();
        form_.AreaFollowsForm();
    } else if (form_.size() != form_.AreaSize() && !fitting_) {
        // Out of the layout that is running now.
        fitting_ = true;
        QTimer::singleShot(0, this, [this] { FitWindow(); });
    }
}

void AreaKeeper::FitWindow()
{
    fitting_ = false;
    const QSize lost = form_.AreaSize() - form_.size();
    if (lost.isNull() || window_.isMaximized() || window_.isFullScreen()) return;
    // Programmed, so not from outside: the form comes back to the area's size.
    asked_.append(window_.size() + lost);
    if (asked_.size() > kSizesAsked) asked_.removeFirst();
    window_.resize(asked_.last());
}
