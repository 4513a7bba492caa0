#pragma once

#include <QApplication>

// Shows an exception that leaves an event handler in a message box, and lets
// the event loop go on: a failure in one event never ends the session.
class Application : public QApplication {
    Q_OBJECT

public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;

    static void ShowException(const QString& message);
};
