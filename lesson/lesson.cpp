#include "lesson/lesson.h"

#include "sim/setup_error.h"

std::string LessonPlace(const Lesson& lesson, std::int64_t line)
{
    return ShownPath(lesson.file.string()) + ":" + std::to_string(line) + ": ";
}
