#include "ui/lesson_locks.h"

#include <QAction>
#include <QWidget>

void LessonLocks::Lock(QWidget* widget, bool hide)
{
    widgets_.push_back({widget, widget->isEnabled(), !widget->isHidden()});
    widget->setEnabled(false);
    if (hide) widget->hide();
}

void LessonLocks::Lock(QAction* action, bool hide)
{
    actions_.push_back({action, action->isEnabled(), action->isVisible()});
    action->setEnabled(false);
    if (hide) action->setVisible(false);
}

void LessonLocks::Lock(QDockWidget* dock, bool hide)
{
    docks_.emplace_back(dock, dock->features());
    dock->setFeatures(dock->features() & ~QDockWidget::DockWidgetClosable);
    Lock(dock->toggleViewAction(), hide);
}

// A lesson locks each control once, so each gets back the state it had.
void LessonLocks::ReleaseAll()
{
    for (const Kept<QWidget>& kept : widgets_) {
        if (!kept.control) continue;
        kept.control->setEnabled(kept.enabled);
        kept.control->setVisible(kept.visible);
    }
    for (const Kept<QAction>& kept : actions_) {
        if (!kept.control) continue;
        kept.control->setEnabled(kept.enabled);
        kept.control->setVisible(kept.visible);
    }
    for (const auto& [dock, features] : docks_)
        if (dock) dock->setFeatures(features);
    widgets_.clear();
    actions_.clear();
    docks_.clear();
}
