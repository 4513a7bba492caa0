#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/command.h"
#include "session/overlays.h"

// A lesson that cannot be used as written, or whose experiment was refused:
// "FILE:LINE: what is wrong".
class LessonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lesson file's format, which a lesson names first, so that a later
// program can tell an older lesson from a newer one.
inline constexpr std::int64_t kLessonFormat = 1;

// What the student answers: a number, or one of the choices computed from the
// outcome: the sign of one number, or which of several is largest or smallest.
enum class TaskKind { Number, Sign, Largest, Smallest };

// An experiment and the quantity read at its end.
struct Reading {
    std::string label;                // largest and smallest: the choice it stands for
    std::vector<Command> experiment;  // run from the lesson's start state
    std::string quantity;             // a path into the state line, or |PATH| (see quantity.h)
    std::int64_t line = 0;            // where the quantity is written
};

struct Task {
    std::int64_t line = 0;  // the [[task]] header's
    std::string prompt;     // Markdown
    TaskKind kind = TaskKind::Number;
    std::string unit;  // number: written after the number, such as "rad per time unit"
    // Number: how far a prediction may lie from the outcome; sign: how near
    // zero counts as zero; largest and smallest: by how much the winner must
    // lead. Never negative.
    double tolerance = 0.0;
    // Number: a prediction within this fraction of the outcome's size counts
    // as near too.
    double relative = 0.0;
    // What the student picks from: sign's three (negative, zero, positive),
    // or each reading's label. Empty for a number.
    std::vector<std::string> choices;
    std::vector<Reading> readings;  // one, but for largest and smallest
    // The exact answer the lesson gives (its `answer`), which the program must
    // still compute: a number, or an index into the choices.
    std::optional<double> answerNumber;
    std::optional<std::size_t> answerChoice;
    std::int64_t answerLine = 0;
};

// A prepared experiment: the body and the views, the controls a student may
// not use, the events replayed before the student takes over, and the tasks.
struct Lesson {
    std::filesystem::path file;  // as it was named
    std::string title;
    std::string notes;           // Markdown
    std::filesystem::path body;  // absolute
    std::string density = "1";   // as the density box holds it
    double speed = 1.0;
    Overlays overlays;
    std::vector<std::string> panels;  // words of kLessonPanels
    std::vector<std::string> locked;  // words of kLessonControls: shown, but disabled
    std::vector<std::string> hidden;  // words of kLessonControls: not shown at all
    // Every command that brings a session to the lesson's start, from any
    // state it may be in: the drawing area, the body and its density, the
    // speed and overlays, then the start script. Each keeps the file's line.
    std::vector<Command> start;
    std::vector<Task> tasks;
};

// "FILE:LINE: " for the messages about a lesson.
std::string LessonPlace(const Lesson& lesson, std::int64_t line);
