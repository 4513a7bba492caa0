#pragma once

#include <QList>
#include <QObject>
#include <QSize>

class QMainWindow;
class TForm1;

// Keeps the drawing area, the box the body bounces in, at its size while the
// window's panels come and go. The area follows the window only when the
// window is resized from outside the program (a person dragging its frame, the
// window manager maximising it), or when a script says `size`. A panel shown,
// hidden, floated, docked or grown takes its room from the window instead: the
// window grows or shrinks by what the form lost or gained. A window that cannot
// (maximised, full screen) leaves the area as it is, part of the form blank.
// Until the window is first shown, the area follows the form, so that the
// size the window opens at is the area's.
class AreaKeeper : public QObject {
public:
    AreaKeeper(QMainWindow& window, TForm1& form);

    // From now on, the area keeps its size.
    void Start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormResized();
    void FitWindow();

    QMainWindow& window_;
    TForm1& form_;
    bool keeping_ = false;
    // The window's size when the form was last resized, and whether the
    // window's last resize came from outside the program.
    QSize windowSize_;
    bool fromOutside_ = false;
    bool fitting_ = false;
    // The window's last few sizes the program asked for.
    static constexpr qsizetype kSizesAsked = 8;
    QList<QSize> asked_;
};
