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

// In the reverse order: a control locked twice gets the state it had first.
void LessonLocks::ReleaseAll()
{
    for (auto kept = widgets_.rbegin(); kept != widgets_.rend(); ++kept) {
        if (!kept->control) continue;
        kept->control->setEnabled(kept->enabled);
        kept->control->setVisible(kept->visible);
    }
    for (auto kept = actions_.rbegin(); kept != actions_.rend(); ++kept) {
        if (!kept->control) continue;
        kept->control->setEnabled(kept->enabled);
        kept->control->setVisible(kept->visible);
    }
    for (auto kept = docks_.rbegin(); kept != docks_.rend(); ++kept)
        if (kept->first) kept->first->setFeatures(kept->second);
    widgets_.clear();
    actions_.clear();
    docks_.clear();
}
