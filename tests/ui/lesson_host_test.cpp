#include "ui/lesson_host.h"

#include <sstream>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "lesson/lesson_file.h"
#include "lesson/task_outcome.h"
#include "session/json_number.h"
#include "session/script.h"
#include "session/script_line.h"
#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/image_view.h"
#include "ui/lesson_dock.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/script_runner.h"
#include "ui/timeline_bar.h"

namespace {

const std::string kLessons = RBD_SOURCE_DIR "/examples/lessons/";

struct LessonDesk : testing::Test {
    LessonDesk() : file("2  110 65  90 55")
    {
        window.Lessons().reportError = [this](const std::string& message) { errors.push_back(message); };
        window.Lessons().remark = [this](const std::string& line) { remarks.push_back(line); };
        window.RestoreSettings();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TForm1& Form() { return window.Form(); }
    LessonHost& Lessons() { return window.Lessons(); }
    std::string State() { return Form().CurrentSession().StateJson(); }

    // The state `rigid-body --data BODY --script` prints after `commands`.
    static std::string ScriptedState(const Lesson& lesson, const std::vector<Command>& commands)
    {
        std::string script;
        for (const Command& command : commands) script += ScriptLine(command) + "\n";
        std::ostringstream out, err;
        RunScript(ParseScript(script + "state\n", "lesson"), lesson.body, {}, out, err);
        EXPECT_EQ(err.str(), "");
        return out.str().substr(0, out.str().size() - 1);
    }

    TempFile file;
    LiveSession live{file.path()};
    MainWindow window{live, [](FilePurpose) { return QString(); }};
    std::vector<std::string> errors;
    std::vector<std::string> remarks;
};

}  // namespace

// Opening gives the start script's state bit for bit, whatever the session
// did before; the locks and views hold while the lesson is open, and closing
// it gives back the person's own.
TEST_F(LessonDesk, OpensOnItsStartLocksAndGivesBackThePersonsOwn)
{
    TForm1& form = Form();
    form.Do({.kind = CommandKind::Speed, .speed = 2});
    form.Do({.kind = CommandKind::View, .overlay = Overlay::Trail, .on = true});
    window.ShowOverlaysChecked();
    if (window.Timeline().isVisible()) window.Timeline().toggleViewAction()->trigger();
    QCoreApplication::processEvents();  // the timeline lets the drawing area go
    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(470, 262);
    form.Button3Click();
    for (int i = 0; i < 7; ++i) form.Timer1Timer();
    const QSize area = form.size();

    ASSERT_TRUE(Lessons().Open(QString::fromStdString(kLessons + "4-free-flight.toml")));
    const Lesson& lesson = *Lessons().Current();
    EXPECT_EQ(State(), ScriptedState(lesson, lesson.start));
    EXPECT_EQ(remarks.front(), "lesson " + kLessons + "4-free-flight.toml: " + lesson.title);
    EXPECT_TRUE(Lessons().Dock().isVisible());
    EXPECT_TRUE(window.InspectorDock()->isVisible() && window.PlotsDock()->isVisible());
    EXPECT_TRUE(window.Timeline().isVisible());
    EXPECT_TRUE(window.OverlayActions()[static_cast<std::size_t>(Overlay::Force)]->isChecked());
    EXPECT_EQ(form.CurrentSession().Speed(), 1.0);
    // Locked: open (and what else opens), reload, push; hidden: density, Start/Stop.
    EXPECT_FALSE(window.Actions().open->isEnabled());
    EXPECT_FALSE(window.Actions().reload->isEnabled());
    EXPECT_TRUE(window.Actions().open->isVisible());
    EXPECT_FALSE(form.Image1->isEnabled());
    EXPECT_TRUE(form.Edit1->isHidden() && form.Button3->isHidden());
    EXPECT_FALSE(window.Actions().startStop->isVisible());
    EXPECT_TRUE(window.Actions().pause->isEnabled());
    Lessons().Dock().NumberBox(0)->setText("7");  // the student's keys go on as ever
    const std::string atStart = State();
    window.Actions().Open(QString::fromStdString(file.path().string()));  // as a dropped file would
    EXPECT_EQ(State(), atStart);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());

    Lessons().Close();
    EXPECT_FALSE(Lessons().Dock().isVisible());
    EXPECT_TRUE(window.Actions().open->isEnabled() && window.Actions().reload->isEnabled());
    EXPECT_TRUE(form.Image1->isEnabled() && !form.Edit1->isHidden() && !form.Button3->isHidden());
    EXPECT_TRUE(window.Actions().startStop->isVisible());
    EXPECT_FALSE(window.InspectorDock()->isVisible() || window.PlotsDock()->isVisible());
    EXPECT_FALSE(window.Timeline().isVisible());
    EXPECT_EQ(form.CurrentSession().Speed(), 2.0);
    EXPECT_EQ(form.CurrentSession().ShownOverlays(), Overlays{1u << static_cast<int>(Overlay::Trail)});
    EXPECT_FALSE(window.OverlayActions()[static_cast<std::size_t>(Overlay::Force)]->isChecked());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form.minimumSize() == QSize(TForm1::kSmallestWidth, TForm1::kSmallestHeight); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.size() == area; }));
    EXPECT_EQ(remarks.back(), "lesson closed");
    EXPECT_TRUE(errors.empty());
}

// A revealed task shows the outcome --check-lesson computes, to the bit, and
// leaves the window where the last experiment ended.
TEST_F(LessonDesk, RevealShowsThePredictionBesideTheExactOutcome)
{
    for (const char* name : {"2-push-off-centre.toml", "3-moment-of-inertia.toml"}) {
        ASSERT_TRUE(Lessons().Open(QString::fromStdString(kLessons + name)));
        const Lesson& lesson = *Lessons().Current();
        LessonDock& dock = Lessons().Dock();
        for (std::size_t i = 0; i < lesson.tasks.size(); ++i) {
            const Task& task = lesson.tasks[i];
            EXPECT_FALSE(dock.RevealButton(i)->isEnabled());
            if (task.kind == TaskKind::Number) {
                dock.NumberBox(i)->setText("1,5");  // not a number: no prediction yet
                EXPECT_FALSE(dock.RevealButton(i)->isEnabled());
                dock.NumberBox(i)->setText(" 1.5");
            } else {
                dock.ChoiceButtons(i).back()->click();
            }
            dock.RevealButton(i)->click();
            const TaskOutcome outcome = RunTask(lesson, task);
            std::string exact;
            AppendJsonNumber(exact, task.kind == TaskKind::Number ? outcome.values[0] : outcome.values.back());
            const QString shown = dock.OutcomeText(i);
            EXPECT_TRUE(shown.contains(QString::fromStdString(exact))) << shown.toStdString();
            EXPECT_TRUE(shown.contains(QString::fromStdString(task.choices.empty() ? "1.5" : task.choices.back())));
            EXPECT_TRUE(remarks.back().starts_with("task " + std::to_string(i + 1) + " revealed: "));
            std::vector<Command> run = lesson.start;
            run.insert(run.end(), task.readings.back().experiment.begin(), task.readings.back().experiment.end());
            if (!task.readings.back().experiment.empty()) run.push_back({.kind = CommandKind::Pause});
            EXPECT_EQ(State(), ScriptedState(lesson, run)) << name << " task " << i + 1;
            EXPECT_TRUE(dock.NumberBox(i) ? dock.NumberBox(i)->isReadOnly() : !dock.ChoiceButtons(i)[0]->isEnabled());
        }
    }
    EXPECT_TRUE(errors.empty());
}

// A lesson with a mistake changes nothing: no locks, no dock, the same state.
TEST_F(LessonDesk, ARefusedLessonLeavesTheWindowAsItWas)
{
    TempFile bad("format = 1\ntitle = \"t\"\nbody = \"../nowhere.txt\"\n", "bad.toml");
    const std::string before = State();
    EXPECT_FALSE(Lessons().Open(QString::fromStdString(bad.path().string())));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with(bad.path().string() + ":3: the body: ")) << errors[0];
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Lessons().Current(), nullptr);
    EXPECT_FALSE(Lessons().Dock().isVisible());
    EXPECT_TRUE(Form().Edit1->isEnabled());
    EXPECT_TRUE(remarks.empty());
}

// A teacher's session saved as a lesson opens again on the same state.
TEST_F(LessonDesk, SavedAsALessonTheSessionOpensAgainWhereItWas)
{
    TForm1& form = Form();
    form.Edit1->setText("2");
    form.Image1MouseDown(440, 292);
    form.Image1MouseUp(460, 250);
    form.Button3Click();
    for (int i = 0; i < 6; ++i) form.Timer1Timer();
    form.Do({.kind = CommandKind::Pause});
    form.Do({.kind = CommandKind::View, .overlay = Overlay::Axes, .on = true});
    window.InspectorDock()->show();
    const std::string before = State();
    const QString saved = QString::fromStdString((file.folder() / "saved.toml").string());
    Lessons().SaveAs(saved);
    EXPECT_TRUE(errors.empty()) << errors.front();
    Lessons().SaveAs(QString::fromStdString(file.path().string()));  // never over the body it reads
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with("cannot write the lesson '" + file.path().string() + "': ")) << errors[0];
    errors.clear();

    form.Button3Click();  // anything else
    ASSERT_TRUE(Lessons().Open(saved));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Lessons().Current()->body, file.path());
    EXPECT_TRUE(IsShown(form.CurrentSession().ShownOverlays(), Overlay::Axes));
    EXPECT_TRUE(window.InspectorDock()->isVisible());
}
