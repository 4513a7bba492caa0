#pragma once

#include <QCoreApplication>
#include <QString>

class QLabel;
class QStatusBar;
class Session;

// The status bar's parts, which show the state and never ask anything:
// whether the body runs, is paused, is halted by a step it could not take, or
// is at rest; the simulated time and steps; the speed; the last notice (a
// command refused, said without a box); and the data file. Every part keeps
// its width small, so that no text widens the window.
class StatusLine {
    Q_DECLARE_TR_FUNCTIONS(StatusLine)

public:
    explicit StatusLine(QStatusBar& bar);

    void Show(const Session& session, bool stepRefused);
    // Until the next notice, or Clear.
    void Notice(const QString& text);
    void ClearNotice() { Notice({}); }
    QString NoticeText() const;

private:
    QLabel* runState_;
    QLabel* time_;
    QLabel* speed_;
    QLabel* notice_;
    QLabel* dataFile_;
};
