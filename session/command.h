#pragma once

#include <cstdint>
#include <string>

#include "session/overlays.h"

// Everything a session can be asked: the events that change it, and the two
// questions a replay answers (its state line, its picture). The command table
// (command_table.h) gives each its script word and arguments.
enum class CommandKind {
    Size,
    Density,
    StartStop,
    Tick,
    Press,
    Release,
    Step,
    Reload,
    Open,
    Pause,
    Speed,
    View,
    Coast,
    Seek,
    State,
    Frame
};

// One command with its arguments; fields a kind has no use for keep their
// defaults, so that two equal commands compare equal.
struct Command {
    CommandKind kind = CommandKind::State;
    std::int64_t line = 0;           // 1-based, in the script it came from; 0 when it came from elsewhere
    int x = 0;                       // size: width; press, release: pixel column
    int y = 0;                       // size: height; press, release: pixel row
    long long count = 1;             // tick: timer periods; seek: the step sought; seek: the step sought
    std::string text{};              // density: the box's text; open: the data file; frame: the PNG's path
    double speed = 1.0;              // speed: the timer's pace, a factor of 20 ticks a second
    Overlay overlay = Overlay::Com;  // view: the overlay shown or hidden
    bool on = false;                 // view: shown

    friend bool operator==(const Command&, const Command&) = default;
};
