#pragma once

#include <vector>

#include <QDockWidget>
#include <QPointer>

class QAction;
class QWidget;

// The controls a lesson takes from the student, each given back as it was
// when the lesson ends: enabled or not, shown or not.
class LessonLocks {
public:
    // Disabled, and when `hide`, not shown either.
    void Lock(QWidget* widget, bool hide);
    void Lock(QAction* action, bool hide);
    // Its entry in the View menu locked, and no close button.
    void Lock(QDockWidget* dock, bool hide);
    void ReleaseAll();

private:
    template <typename Control>
    struct Kept {
        QPointer<Control> control;
        bool enabled;
        bool visible;
    };

    std::vector<Kept<QWidget>> widgets_;
    std::vector<Kept<QAction>> actions_;
    std::vector<std::pair<QPointer<QDockWidget>, QDockWidget::DockWidgetFeatures>> docks_;
};
