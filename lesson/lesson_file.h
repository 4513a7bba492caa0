#pragma once

#include <cstddef>
#include <filesystem>

#include "lesson/lesson.h"

// The largest lesson file read: notes and scripts are far smaller, and a
// device or a huge file is refused before it is read.
inline constexpr std::size_t kLargestLessonFile = std::size_t{1} << 20;

// Reads, checks and tries out the lesson at `path` (TOML; the README's
// "Writing a lesson" describes its keys): every key known and of its type,
// the body readable with the lesson's density, every script line a command,
// every quantity one the state line has; then its start is run on a session
// of its own, so that a start that is refused is found before any window
// shows it. Paths in the lesson (the body, `open` in a script) are taken from
// the lesson's own folder. Throws LessonError "FILE:LINE: what is wrong".
Lesson ReadLesson(const std::filesystem::path& path);
