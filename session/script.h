#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "session/overlays.h"

// One line of a script: an event for the window's handlers, or a request for
// its state or picture.
struct ScriptCommand {
    enum class Kind {
        Size,
        Density,
        StartStop,
        Tick,
        Press,
        Release,
        Step,
        Reload,
        Open,
        State,
        Frame,
        Pause,
        Speed,
        View
    };

    Kind kind = Kind::State;
    std::int64_t line = 0;           // 1-based, in the script; a stream may pass 2^31 lines
    int x = 0;                       // size: width; press, release: pixel column
    int y = 0;                       // size: height; press, release: pixel row
    long long count = 1;             // tick: timer periods
    std::string text;                // density: the box's text; open: the data file; frame: the PNG's path
    double speed = 1.0;              // speed: timer periods of 50 ms / speed, from 0.125 to 4
    Overlay overlay = Overlay::Com;  // view: the overlay shown or hidden
    bool on = false;                 // view: shown

    friend bool operator==(const ScriptCommand&, const ScriptCommand&) = default;

    static ScriptCommand Event(Kind kind, int x = 0, int y = 0)
    {
        ScriptCommand command;
        command.kind = kind;
        command.x = x;
        command.y = y;
        return command;
    }
    static ScriptCommand WithText(Kind kind, std::string text)
    {
        ScriptCommand command;
        command.kind = kind;
        command.text = std::move(text);
        return command;
    }
};

// The largest drawing area a script may ask for, and the most timer periods
// one `tick` may pass: beyond them a replay would run out of memory or time.
constexpr int kLargestScriptSide = 16384;
constexpr long long kMostTicksAtOnce = 1000000000;

// The slowest and fastest runs a person may choose, as a factor of the
// timer's rate. The step length never changes with it, so neither does a
// replay; only the timer's period does.
constexpr double kSlowestSpeed = 0.125;
constexpr double kFastestSpeed = 4.0;

// A script that is not one: "NAME:LINE: what is wrong".
class ScriptUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole script, checked before any of it runs. Blank lines and lines whose
// first non-blank character is '#' are skipped, as is a '#' comment after any
// command but `density`, `open` and `frame`, whose text is the rest of the line.
std::vector<ScriptCommand> ParseScript(std::string_view script, std::string_view name);

// One line of the script `name`, without its line break: the command, or
// nothing for a blank or comment line. A line that is no command throws.
std::optional<ScriptCommand> ParseScriptLine(std::string_view text, std::string_view name, std::int64_t line);
