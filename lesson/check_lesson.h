#pragma once

#include <iosfwd>
#include <string>

// `--check-lesson FILE`, the same in both programs: reads the lesson, runs its
// start and every task's experiments, and prints each task's exact answer as
// one line of JSON on `out` (see AnswerJson). What is wrong goes to `err` as
// "FILE:LINE: what is wrong", each task that can be run still printing its
// line. Returns 0, or 2 when anything was wrong.
int CheckLesson(const std::string& path, std::ostream& out, std::ostream& err);
