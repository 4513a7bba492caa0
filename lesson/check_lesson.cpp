#include "lesson/check_lesson.h"

#include <ostream>

#include "lesson/lesson_file.h"
#include "lesson/task_outcome.h"

int CheckLesson(const std::string& path, std::ostream& out, std::ostream& err)
{
    constexpr int kWrong = 2;
    Lesson lesson;
    try {
        lesson = ReadLesson(path);
    } catch (const LessonError& error) {
        err << error.what() << '\n';
        return kWrong;
    }
    int status = 0;
    for (std::size_t i = 0; i < lesson.tasks.size(); ++i) {
        const Task& task = lesson.tasks[i];
        try {
            const TaskOutcome outcome = RunTask(lesson, task);
            out << AnswerJson(task, i + 1, outcome) << '\n' << std::flush;
            CheckWrittenAnswer(lesson, task, outcome);
        } catch (const LessonError& error) {
            err << error.what() << '\n';
            status = kWrong;
        }
    }
    return status;
}
