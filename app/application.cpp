#include "app/application.h"

#include <exception>
#include <new>

#include <QMessageBox>

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        ShowException(tr("Out of memory: the last action was not completed."));
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}

void Application::ShowException(const QString& message)
{
    QMessageBox::critical(nullptr, tr("Rigid Body Dynamics"), message);
}
