#include "ui/lesson_host.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "lesson/controls.h"
#include "lesson/lesson_file.h"
#include "lesson/quantity.h"
#include "lesson/task_outcome.h"
#include "session/script_line.h"
#include "session/state_path.h"
#include "sim/density.h"
#include "sim/setup_error.h"
#include "ui/Unit1.h"
#include "ui/desktop_actions.h"
#include "ui/image_view.h"
#include "ui/live_session.h"
#include "ui/lesson_dock.h"
#include "ui/main_window.h"
#include "ui/png_file.h"
#include "ui/timeline_bar.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), std::ssize(text)); }

bool Names(const std::vector<std::string>& words, std::string_view word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

LessonHost::LessonHost(MainWindow& window, const LiveSession& live, FileChooser choose)
    : QObject(&window), window_(window), live_(live), choose_(std::move(choose)), dock_(new LessonDock(&window)),
      menu_(new QMenu(tr("&Lessons"), &window)), events_(window.Form().CurrentSession())
{
    reportError = [this](const std::string& message) { TForm1::ShowMessageBox(&window_, message); };
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    dock_->reveal = [this](std::size_t index) { Reveal(index); };
    dock_->restart = [this] { ApplyStart(); };
    dock_->closeLesson = [this] { Close(); };

    openLesson = new QAction(tr("Open &lesson…"), this);
    openLesson->setShortcut(Qt::CTRL | Qt::Key_L);
    connect(openLesson, &QAction::triggered, this, [this] {
        if (const QString path = choose_(FilePurpose::OpenLesson); !path.isEmpty()) Open(path);
    });
    saveAsLesson = new QAction(tr("Save as lesso&n…"), this);
    connect(saveAsLesson, &QAction::triggered, this, [this] {
        if (const QString path = choose_(FilePurpose::SaveLesson); !path.isEmpty()) SaveAs(path);
    });
    closeLesson = new QAction(tr("&Close lesson"), this);
    closeLesson->setShortcuts(QKeySequence::Close);
    closeLesson->setEnabled(false);
    connect(closeLesson, &QAction::triggered, this, &LessonHost::Close);
    // Reached wherever the focus is in the window, as the form's keys are.
    window.addActions({openLesson, closeLesson});
    FillMenu();
}

QString LessonHost::LessonsFolder()
{
    const QString installed = QApplication::applicationDirPath() + QStringLiteral("/../share/rigid-body/lessons");
    if (QFileInfo(installed).isDir()) return QDir(installed).canonicalPath();
    return QStringLiteral(RBD_SOURCE_DIR "/examples/lessons");
}

void LessonHost::FillMenu()
{
    const QDir folder(LessonsFolder());
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.toml")}, QDir::Files, QDir::Name)) {
        const QString path = file.filePath();
        QString title = file.completeBaseName();
        try {
            title = FromUtf8(ReadLesson(path.toStdString()).title);
        } catch (const LessonError&) {
            // Offered by its name: opening it says what is wrong.
        }
        menu_->addAction(title, this, [this, path] { Open(path); });
    }
    if (!menu_->isEmpty()) menu_->addSeparator();
    menu_->addAction(openLesson);
    menu_->addAction(closeLesson);
}

bool LessonHost::Open(const QString& path)
{
    try {
        Start(ReadLesson(path.toStdString()));
        return true;
    } catch (const LessonError& refusal) {
        reportError(refusal.what());
        return false;
    }
}

void LessonHost::Start(Lesson lesson)
{
    TForm1& form = window_.Form();
    const Session& session = form.CurrentSession();
    // Asked of the window, since a lesson given on the command line opens
    // before the window is shown.
    if (!own_)
        own_ = OwnSettings{session.ShownOverlays(),
                           session.Speed(),
                           window_.InspectorDock()->isVisibleTo(&window_),
                           window_.PlotsDock()->isVisibleTo(&window_),
                           window_.Timeline().isVisibleTo(&window_),
                           window_.saveGeometry(),
                           form.minimumSize(),
                           form.maximumSize()};
    locks_.ReleaseAll();
    lesson_ = std::move(lesson);
    Tell("lesson " + lesson_->file.string() + ": " + lesson_->title);
    ApplyStart();
    ShowViewsAndLocks();
    dock_->Show(*lesson_);
    dock_->show();
    QTimer::singleShot(0, this, &LessonHost::MakeRoom);
    closeLesson->setEnabled(true);
}

void LessonHost::Close()
{
    if (!lesson_) return;
    TForm1& form = window_.Form();
    locks_.ReleaseAll();
    dock_->hide();
    lesson_.reset();
    closeLesson->setEnabled(false);
    const OwnSettings own = *std::exchange(own_, std::nullopt);
    for (const OverlayEntry& entry : kOverlayTable)
        form.Do({.kind = CommandKind::View, .overlay = entry.overlay, .on = IsShown(own.overlays, entry.overlay)});
    window_.ShowOverlaysChecked();
    form.Do({.kind = CommandKind::Speed, .speed = own.speed});
    window_.InspectorDock()->setVisible(own.inspectorShown);
    window_.PlotsDock()->setVisible(own.plotsShown);
    // The drawing area is let go first: the timeline keeps the area's limits
    // while it is shown or hidden, and gives back those it found.
    form.setMinimumSize(own.smallestArea);
    form.setMaximumSize(own.largestArea);
    ShowTimeline(own.timelineShown);
    // Once the lesson's docks are gone from the layout, which would keep the
    // window as wide as they made it.
    QTimer::singleShot(0, this, [this, geometry = own.geometry] { window_.restoreGeometry(geometry); });
    Tell("lesson closed");
}

// The density goes into the box, as if typed, so that the box shows it.
bool LessonHost::ApplyInWindow(const Command& command)
{
    TForm1& form = window_.Form();
    if (command.kind != CommandKind::Density) return form.Do(command);
    form.Edit1->setText(FromUtf8(command.text));
    return form.CurrentSession().DensityText() == command.text && form.DensityProblem().isEmpty();
}

bool LessonHost::ApplyStart()
{
    // The body is opened with the box's density, so a text the box refuses
    // gives way to the lesson's first.
    try {
        ParseDensity(window_.Form().CurrentSession().DensityText());
    } catch (const SetupError&) {
        window_.Form().Edit1->setText(FromUtf8(lesson_->density));
    }
    const bool applied = std::all_of(lesson_->start.begin(), lesson_->start.end(),
                                     [this](const Command& command) { return ApplyInWindow(command); });
    window_.ShowOverlaysChecked();
    FixArea();
    return applied;
}

void LessonHost::ShowViewsAndLocks()
{
    const Lesson& lesson = *lesson_;
    window_.InspectorDock()->setVisible(Names(lesson.panels, "inspector"));
    window_.PlotsDock()->setVisible(Names(lesson.panels, "plots"));
    ShowTimeline(Names(lesson.panels, "timeline"));
    TForm1& form = window_.Form();
    DesktopActions& a = window_.Actions();
    for (const LessonControl& control : kLessonControls) {
        const bool hide = Names(lesson.hidden, control.word);
        if (!hide && !Names(lesson.locked, control.word)) continue;
        const std::string_view word = control.word;
        if (word == "density") {
            locks_.Lock(form.Edit1, hide);
            locks_.Lock(form.Label1, hide);
        } else if (word == "open") {
            locks_.Lock(a.open, hide);
        } else if (word == "reload") {
            locks_.Lock(a.reload, hide);
        } else if (word == "startstop") {
            locks_.Lock(a.startStop, hide);
            locks_.Lock(form.Button3, hide);
        } else if (word == "pause") {
            locks_.Lock(a.pause, hide);
        } else if (word == "step") {
            locks_.Lock(a.step, hide);
        } else if (word == "speed") {
            for (QAction* speed : a.speeds) locks_.Lock(speed, hide);
            locks_.Lock(a.slower, hide);
            locks_.Lock(a.faster, hide);
        } else if (word == "push") {
            // A picture is never hidden: it is the lesson's point.
            locks_.Lock(form.Image1, false);
        } else if (word == "overlays") {
            for (QAction* overlay : window_.OverlayActions()) locks_.Lock(overlay, hide);
        } else if (word == "panels") {
            locks_.Lock(window_.InspectorDock(), hide);
            locks_.Lock(window_.PlotsDock(), hide);
            locks_.Lock(window_.Timeline().toggleViewAction(), hide);
        }
    }
}

// Once the docks are laid out: room beside the fixed picture for the notes,
// the tasks and the panels, on the screen.
void LessonHost::MakeRoom()
{
    const QScreen* screen = window_.screen();
    if (!screen || window_.isMaximized() || window_.isFullScreen()) return;
    const QRect room = screen->availableGeometry();
    window_.resize(window_.width(), std::max(window_.height(), std::min(820, room.height())));
    const QSize size = window_.frameGeometry().size();
    window_.move(std::clamp(window_.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
                 std::clamp(window_.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
}

// As Ctrl+T does, so that the window, not the drawing area, makes room for it.
void LessonHost::ShowTimeline(bool shown)
{
    if (window_.Timeline().isVisibleTo(&window_) != shown) window_.Timeline().toggleViewAction()->trigger();
}

void LessonHost::FixArea()
{
    const Session& session = window_.Form().CurrentSession();
    window_.Form().setFixedSize(session.Width(), session.Height());
}

void LessonHost::Reveal(std::size_t index)
{
    if (!lesson_ || index >= lesson_->tasks.size()) return;
    const Task& task = lesson_->tasks[index];
    TForm1& form = window_.Form();
    std::vector<double> values;
    try {
        for (const Reading& reading : task.readings) {
            const bool applied = ApplyStart() && std::all_of(reading.experiment.begin(), reading.experiment.end(),
                                                             [this](const Command& c) { return ApplyInWindow(c); });
            FixArea();
            if (!applied) throw LessonError(tr("a command of the experiment was refused").toStdString());
            values.push_back(QuantityValue(form.CurrentSession().StateJson(), reading.quantity));
            // Held where the answer is read, for the student to look at.
            if (form.Running()) form.Do({.kind = CommandKind::Pause});
        }
        const QString shown = dock_->ShowOutcome(index, Decide(*lesson_, task, std::move(values)));
        Tell("task " + std::to_string(index + 1) +
             " revealed: " + shown.split(QLatin1Char('\n')).join(QStringLiteral("; ")).toStdString());
    } catch (const std::exception& problem) {
        dock_->ShowProblem(index, QString::fromStdString(problem.what()));
    }
}

void LessonHost::SaveAs(const QString& path)
{
    std::vector<std::string> panels;
    if (window_.InspectorDock()->isVisible()) panels.emplace_back("inspector");
    if (window_.PlotsDock()->isVisible()) panels.emplace_back("plots");
    if (window_.Timeline().isVisible()) panels.emplace_back("timeline");
    const QString name = QString::fromStdString(ShownPath(path.toStdString()));
    const auto report = [this](const QString& message) { reportError(message.toStdString()); };
    try {
        live_.CheckOutput(path.toStdString());
        WriteFileAside(path.toStdString(), LessonText(events_.Draft(path.toStdString(), panels)));
        ReadLesson(path.toStdString());
    } catch (const UnwritableCommand& error) {
        report(tr("cannot write the lesson '%1': %2, which a script line cannot hold").arg(name, error.what()));
    } catch (const WriteError& failure) {
        report(tr("cannot write the lesson '%1': %2").arg(name, failure.what()));
    } catch (const FileClash& clash) {
        report(tr("cannot write the lesson '%1': %2").arg(name, clash.what()));
    } catch (const LessonError& refusal) {
        report(tr("the lesson '%1' was written, but it would not open as it is: %2").arg(name, refusal.what()));
    }
}

void LessonHost::Tell(const std::string& line) const
{
    if (remark) remark(line);
}
