#pragma once

#include <functional>

#include <QTimer>

class QWidget;

// Runs a panel's refresh at most once per frame of the screen it shows on,
// however fast the session ticks: Request asks for one, which comes when the
// frame's time is up; more requests meanwhile ask for nothing more.
class FramePace {
public:
    FramePace(QWidget& widget, std::function<void()> refresh);

    void Request();
    // At once, in place of one requested.
    void Now();

private:
    QWidget& widget_;
    std::function<void()> refresh_;
    QTimer timer_;
};
