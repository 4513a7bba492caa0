#pragma once

#include <vector>

#include "lesson/lesson.h"
#include "session/session.h"

// A lesson's experiments, run as the program runs a script: on a session of
// their own with a blank drawing area of the replay's size, whose data file
// is the lesson's body. The window runs the same commands through its own
// door, and reads the same numbers.

// Applies `commands` to `session`; the first that is refused throws
// LessonError "FILE:LINE: why", the line being the lesson file's.
void ApplyLessonCommands(Session& session, const Lesson& lesson, const std::vector<Command>& commands);

// Runs the lesson's start, as ReadLesson does to try it out.
void CheckStart(const Lesson& lesson);

// The reading's quantity at the end of its experiment, run from the lesson's
// start. Throws LessonError when a command is refused or the quantity is not
// a number there.
double RunReading(const Lesson& lesson, const Reading& reading);
