#include "ui/frame_pace.h"

#include <algorithm>
#include <cmath>

#include <QScreen>
#include <QWidget>

FramePace::FramePace(QWidget& widget, std::function<void()> refresh) : widget_(widget), refresh_(std::move(refresh))
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { refresh_(); });
}

void FramePace::Request()
{
    if (timer_.isActive()) return;
    const QScreen* screen = widget_.screen();
    const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    timer_.start(std::max(1, static_cast<int>(std::floor(1000.0 / rate))));
}

void FramePace::Now()
{
    timer_.stop();
    refresh_();
}
