#pragma once

#include <QToolBar>

#include "session/session.h"

class QAction;
class QLabel;
class QSlider;
class QTimer;
class TForm1;

// The kept run as a bar below the drawing area: a slider over the kept steps
// whose handle is the present, the steps after it (kept until a step, a push
// or coast drops them) hatched, and the present's step and time beside it.
// Every position the slider takes by hand, dragged, clicked or by its keys,
// is one `seek` through the form's one way in, so a recording holds each of
// them. Pressing the handle while the body runs pauses the run first, so that
// the present stands still under the hand. Shown or hidden, the bar makes its
// window taller or shorter by its own height: the drawing area, where the body
// turns back, keeps its size.
class TimelineBar : public QToolBar, private SessionListener {
    Q_OBJECT

public:
    TimelineBar(TForm1& form, QWidget* parent = nullptr);

    QSlider* Slider() const { return slider_; }
    // The present's step and time as the bar shows them.
    QString Shown() const;
    // Brings the slider and the text to the session's history and present now,
    // as the bar does after every change while halted, and at most once a
    // screen frame while running.
    void ShowPresent();
    // Ctrl+Left, wherever the focus is in the window but the density box: one
    // kept step back; at the oldest kept step it is refused.
    QAction* stepBack;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Redrawn() override;
    void SeekTo(int position);
    void ShowKeepingDrawingArea(bool shown);

    TForm1& form_;
    QSlider* slider_;
    QLabel* present_;
    // While running, the bar is brought up to date at most once a screen frame.
    QTimer* nextFrame_;
    // The step the slider's position 0 stands for.
    long long oldest_ = 0;
    bool showing_ = false;
    Session::Listening listening_;
};
