#include "lesson/lesson_run.h"

#include <cmath>

#include "lesson/quantity.h"
#include "session/blank_canvas.h"
#include "session/state_path.h"

namespace {

// A session at the lesson's start, as `rigid-body --data BODY --script`
// would begin one and then replay the start's commands.
struct StartedSession {
    explicit StartedSession(const Lesson& lesson) : session(canvas, lesson.body)
    {
        try {
            session.FirstSetup();
        } catch (const std::runtime_error&) {
            // The start opens the body again and says what is wrong with it.
        }
        ApplyLessonCommands(session, lesson, lesson.start);
    }

    BlankCanvas canvas{Session::kStartWidth, Session::kStartHeight};
    Session session;
};

}  // namespace

void ApplyLessonCommands(Session& session, const Lesson& lesson, const std::vector<Command>& commands)
{
    for (const Command& command : commands) {
        try {
            session.Apply(command);
        } catch (const std::runtime_error& refusal) {
            throw LessonError(LessonPlace(lesson, command.line) + refusal.what());
        }
    }
}

void CheckStart(const Lesson& lesson) { const StartedSession started(lesson); }

double RunReading(const Lesson& lesson, const Reading& reading)
{
    StartedSession started(lesson);
    ApplyLessonCommands(started.session, lesson, reading.experiment);
    double value = 0.0;
    try {
        value = QuantityValue(started.session.StateJson(), reading.quantity);
    } catch (const StatePathError& error) {
        throw LessonError(LessonPlace(lesson, reading.line) + error.what());
    }
    if (!std::isfinite(value))
        throw LessonError(LessonPlace(lesson, reading.line) + "the quantity " + reading.quantity +
                          " is not a finite number at the end of the experiment");
    return value;
}
