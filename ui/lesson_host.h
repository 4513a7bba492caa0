#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QSize>

#include "lesson/lesson.h"
#include "lesson/lesson_draft.h"
#include "ui/error_reporter.h"
#include "ui/file_chooser.h"
#include "ui/lesson_locks.h"

class LessonDock;
class MainWindow;
struct LiveSession;
class QAction;
class QMenu;

// A lesson in the window: File, Open lesson and the Lessons menu open one,
// its dock shows the notes and tasks, and its locks keep the student on its
// point. Everything it does to the session goes through the window's door,
// so that a recording records it: the lesson's start when it opens, and a
// task's experiments, from that start, when the student reveals it. Closing
// the lesson gives the person back their own speed, overlays, panels, window
// size and controls; the body stays as the lesson left it.
class LessonHost : public QObject {
    Q_OBJECT

public:
    // `live` says which files the run may not write over.
    LessonHost(MainWindow& window, const LiveSession& live, FileChooser choose);

    // Reads the lesson at `path` and opens it in place of any other. One
    // that is refused is reported, with the window left as it was.
    bool Open(const QString& path);
    // Opens a lesson that has been read.
    void Start(Lesson lesson);
    void Close();
    // Runs task `index`'s experiments from the lesson's start, through the
    // window, and shows the student's prediction beside the outcome.
    void Reveal(std::size_t index);
    // Writes the session as a lesson (see LessonDraft); a file that cannot
    // be written, or that would not open, is reported.
    void SaveAs(const QString& path);

    const Lesson* Current() const { return lesson_ ? &*lesson_ : nullptr; }
    // The window's geometry before the first lesson, while one is open; empty
    // otherwise.
    QByteArray OwnGeometry() const { return own_ ? own_->geometry : QByteArray(); }
    LessonDock& Dock() const { return *dock_; }
    // The Lessons menu: the shipped lessons, then Open lesson and Close lesson.
    QMenu* Menu() const { return menu_; }

    QAction* openLesson;
    QAction* saveAsLesson;
    QAction* closeLesson;
    // Told a line for the session's recording: the lesson opened, a task revealed.
    std::function<void(const std::string& line)> remark;
    // Shows why a lesson was refused; a message box by default.
    ErrorReporter reportError;

    // Where the shipped lessons are: installed beside the program, or in the
    // source tree of a build that was not installed.
    static QString LessonsFolder();

private:
    // What the person had before the first lesson, given back at its close.
    struct OwnSettings {
        Overlays overlays;
        double speed = 1.0;
        bool inspectorShown = false;
        bool plotsShown = false;
        bool timelineShown = false;
        QByteArray geometry;
        QSize smallestArea;
        QSize largestArea;
    };

    void FillMenu();
    bool ApplyInWindow(const Command& command);
    bool ApplyStart();
    void ShowViewsAndLocks();
    void MakeRoom();
    void ShowTimeline(bool shown);
    // The drawing area keeps the session's size, which the lesson's pushes
    // and bounces were computed on.
    void FixArea();
    void Tell(const std::string& line) const;

    MainWindow& window_;
    const LiveSession& live_;
    FileChooser choose_;
    LessonDock* dock_;
    QMenu* menu_;
    LessonLocks locks_;
    std::optional<Lesson> lesson_;
    std::optional<OwnSettings> own_;
    EventsSinceSetup events_;
};
