#include "lesson/lesson_run.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "lesson/check_lesson.h"
#include "lesson/lesson_draft.h"
#include "lesson/lesson_file.h"
#include "lesson/quantity.h"
#include "lesson/task_outcome.h"
#include "session/script_line.h"
#include "tests/session/scripted_session.h"

namespace {

const std::filesystem::path kLessons = RBD_SOURCE_DIR "/examples/lessons";

// The state line `rigid-body --data BODY --script` prints after `commands`,
// written out as the script's lines and read back.
std::string ScriptedState(const std::filesystem::path& body, const std::vector<Command>& commands)
{
    std::string script;
    for (const Command& command : commands) script += ScriptLine(command) + "\n";
    RecordingCanvas canvas(Session::kStartWidth, Session::kStartHeight);
    Session session(canvas, body);
    std::ostringstream out, err;
    EXPECT_EQ(ReplayScript(session, ParseScript(script + "state\n", "script"), out, err), 0);
    EXPECT_EQ(err.str(), "");
    return out.str().substr(0, out.str().size() - 1);
}

std::vector<Command> Joined(std::vector<Command> first, const std::vector<Command>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

}  // namespace

// Every shipped lesson's answers are what --script gives for its start and
// each experiment, and what the lesson writes; the start gives the script's
// state from whatever state a session was in.
TEST(LessonRun, ShippedLessonsAnswerAsTheirScriptsDo)
{
    int lessons = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kLessons)) {
        ++lessons;
        const Lesson lesson = ReadLesson(entry.path());
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_FALSE(lesson.notes.empty());
        EXPECT_FALSE(lesson.tasks.empty());

        ScriptedSession elsewhere;
        elsewhere.Run("density 3\npress 440 292\nrelease 470 262\nstartstop\ntick 9\nview trail on\nsize 500 400\n");
        ApplyLessonCommands(elsewhere.session, lesson, lesson.start);
        EXPECT_EQ(elsewhere.session.StateJson(), ScriptedState(lesson.body, lesson.start));

        for (const Task& task : lesson.tasks) {
            EXPECT_TRUE(task.answerNumber || task.answerChoice) << "task on line " << task.line;
            const TaskOutcome outcome = RunTask(lesson, task);
            EXPECT_NO_THROW(CheckWrittenAnswer(lesson, task, outcome));
            for (std::size_t i = 0; i < task.readings.size(); ++i) {
                const std::string state = ScriptedState(lesson.body, Joined(lesson.start, task.readings[i].experiment));
                EXPECT_EQ(outcome.values[i], QuantityValue(state, task.readings[i].quantity));
            }
        }
    }
    EXPECT_GE(lessons, 5);
}

// The rules that turn values into an answer, at their edges.
TEST(LessonRun, AnswersFollowTheirRulesExactly)
{
    Lesson lesson;
    lesson.file = "l.toml";
    Task task;
    task.line = 7;
    task.choices = {"a", "b", "c"};
    const auto choice = [&](TaskKind kind, double tolerance, std::vector<double> values) {
        task.kind = kind;
        task.tolerance = tolerance;
        return Decide(lesson, task, std::move(values)).choice;
    };
    EXPECT_EQ(choice(TaskKind::Sign, 0.0, {-0.0}), 1u);
    EXPECT_EQ(choice(TaskKind::Sign, 0.0, {-1e-300}), 0u);
    EXPECT_EQ(choice(TaskKind::Sign, 1e-9, {1e-9}), 1u);
    EXPECT_EQ(choice(TaskKind::Sign, 1e-9, {1.1e-9}), 2u);
    EXPECT_EQ(choice(TaskKind::Largest, 0.0, {1, 3, 2}), 1u);
    EXPECT_EQ(choice(TaskKind::Smallest, 0.5, {1, 3, 2}), 0u);
    try {
        choice(TaskKind::Smallest, 1.0, {1, 3, 2});
        ADD_FAILURE() << "an answer within the tolerance of another";
    } catch (const LessonError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "l.toml:7: the options \"a\" (1) and \"c\" (2) lie within the "
                  "tolerance 1 of each other: the task has no one answer");
    }
    EXPECT_THROW(choice(TaskKind::Largest, 0.0, {2, 2}), LessonError);

    task.tolerance = 0.125;
    task.relative = 0.01;
    EXPECT_TRUE(IsNear(task, 2.125, 2.0));
    EXPECT_FALSE(IsNear(task, 1.75, 2.0));
    EXPECT_TRUE(IsNear(task, 1005, 1000));
    EXPECT_FALSE(IsNear(task, -1000, 1000));

    EXPECT_EQ(QuantityValue(R"({"orientation":[0.5,0.5,0.5,0.5],"steps":3})", "|orientation|"), 1.0);
    EXPECT_EQ(QuantityValue(R"({"orientation":[3,4],"steps":3})", "|orientation|"), 5.0);
    EXPECT_THROW(CheckQuantity("|boxes|"), StatePathError);
}

// --check-lesson prints one line per task it could run, and names every
// mistake; a teacher's lesson written from a session opens on that session's
// very state.
TEST(LessonRun, CheckingAndSavingALesson)
{
    ScriptedSession teacher;
    EventsSinceSetup events(teacher.session);
    teacher.Run(
        "density 2\nview axes on\nspeed 0.5\npress 440 292\nrelease 470 262\nstartstop\ntick\ntick\n"
        "tick 3\npause\nstep\nsize 700 500\ndensity x\n");
    const TempFile lesson("", "saved.toml");
    std::ofstream(lesson.path()) << LessonText(events.Draft(lesson.path(), {"plots"}));
    const Lesson saved = ReadLesson(lesson.path());
    EXPECT_EQ(saved.body, teacher.file.path());
    EXPECT_EQ(saved.density, "2");
    EXPECT_EQ(saved.speed, 0.5);
    EXPECT_EQ(saved.panels, std::vector<std::string>{"plots"});
    EXPECT_EQ(ScriptedState(saved.body, saved.start), teacher.session.StateJson());

    std::ofstream(lesson.path(), std::ios::app)
        << "[[task]]\nprompt = \"?\"\nkind = \"number\"\nquantity = \"steps\"\nexperiment = \"step\"\nanswer = 7\n"
           "[[task]]\nprompt = \"?\"\nkind = \"largest\"\nquantity = \"steps\"\n"
           "[[task.option]]\nlabel = \"x\"\n[[task.option]]\nlabel = \"y\"\n"
           "[[task]]\nprompt = \"?\"\nkind = \"sign\"\nquantity = \"torque[2]\"\nanswer = \"negative\"\n";
    std::ostringstream out, err;
    EXPECT_EQ(CheckLesson(lesson.path().string(), out, err), 2);
    const std::string name = lesson.path().string();
    EXPECT_EQ(out.str(),
              "{\"task\":1,\"line\":42,\"kind\":\"number\",\"quantities\":[\"steps\"],\"values\":[7],\"answer\":7}\n"
              "{\"task\":3,\"line\":56,\"kind\":\"sign\",\"quantities\":[\"torque[2]\"],"
              "\"values\":[150.00000000000023],\"answer\":\"positive\"}\n");
    EXPECT_EQ(err.str(), name +
                             ":48: the options \"x\" (6) and \"y\" (6) lie within the tolerance 0 of each "
                             "other: the task has no one answer\n" +
                             name + ":60: the answer is \"positive\", not \"negative\" as the lesson writes\n");
}
