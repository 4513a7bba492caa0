#pragma once

#include <array>
#include <string>
#include <string_view>

#include "session/command.h"

// The one place that names the commands. The script reader and writer, the
// help texts and the replay all work from this table; the session's rule for
// each is in Session::Apply. A new command is one entry here and its rule.

// How a command's arguments stand on its script line.
enum class Arguments {
    None,
    Area,     // a width and a height in pixels, each from 1 to kLargestScriptSide
    Pixel,    // a pixel column and row, any int
    Periods,  // an optional count from 0 to kMostTicksAtOnce, 1 when left out
    Text,     // the rest of the line after one blank, kept as it is (no comment)
    Path,     // the rest of the line without its outer blanks; not empty (no comment)
    Speed,    // a decimal number from kSlowestSpeed to kFastestSpeed
    View,     // an overlay's word, then on or off
    Step,     // a step of the run, a whole number from 0
};

struct CommandEntry {
    CommandKind kind;
    std::string_view word;
    Arguments arguments;
    // The command as --help and the manual write it, such as "size W H".
    std::string_view synopsis;
    // What a refusal says the arguments must be, after "'WORD' takes ".
    std::string_view usage;
    // What it does, in one line.
    std::string_view meaning;
    // Whether the session applies it: state and frame only ask, and whoever
    // replays a script answers them.
    bool event;
    // Whether it may change the body's motion or mass (a setup, a step, a push).
    bool changesBody;
};

// The largest drawing area a script may ask for, and the most timer periods
// one `tick` may pass: beyond them a replay would run out of memory or time.
inline constexpr int kLargestScriptSide = 16384;
inline constexpr long long kMostTicksAtOnce = 1000000000;

inline constexpr std::array<CommandEntry, 16> kCommandTable = {{
    {CommandKind::Size, "size", Arguments::Area, "size W H", "a width and a height in pixels, each from 1 to 16384",
     "the drawing area becomes W x H pixels, as a window resize would make it", true, false},
    {CommandKind::Density, "density", Arguments::Text, "density TEXT", "the density box's text",
     "the density box's text becomes TEXT (the rest of the line after one blank)", true, true},
    {CommandKind::StartStop, "startstop", Arguments::None, "startstop", "no arguments",
     "presses \"Start/Stop\": a halted body runs; a running one is rebuilt at rest", true, true},
    {CommandKind::Tick, "tick", Arguments::Periods, "tick [N]",
     "an optional count of timer periods from 0 to 1000000000",
     "N timer periods (default 1); each steps the body only while it runs", true, true},
    {CommandKind::Press, "press", Arguments::Pixel, "press X Y", "a pixel column and row, whole numbers",
     "a mouse press at pixel (X, Y) of the drawing area: grabs the particle there", true, false},
    {CommandKind::Release, "release", Arguments::Pixel, "release X Y", "a pixel column and row, whole numbers",
     "a mouse release at pixel (X, Y): a grab pushes with the drag", true, true},
    {CommandKind::Step, "step", Arguments::None, "step", "no arguments",
     "one step and a clearing redraw, only while halted", true, true},
    {CommandKind::Reload, "reload", Arguments::None, "reload", "no arguments",
     "the run stops and the body is rebuilt from the data file as it now is", true, true},
    {CommandKind::Open, "open", Arguments::Path, "open PATH", "the path of a data file",
     "the body is built from PATH, which then serves every later setup", true, true},
    {CommandKind::Pause, "pause", Arguments::None, "pause", "no arguments",
     "a run stops with no setup, or a halted body starts", true, false},
    {CommandKind::Speed, "speed", Arguments::Speed, "speed X", "a number from 0.125 to 4, such as 0.5 or 2",
     "the timer's pace, X from 0.125 to 4; each tick still steps 0.2", true, false},
    {CommandKind::View, "view", Arguments::View, "view NAME on|off", "an overlay (OVERLAYS) and on or off",
     "shows or hides an overlay (NAME one of OVERLAYS), with a clearing redraw", true, false},
    {CommandKind::Coast, "coast", Arguments::None, "coast", "no arguments",
     "the pushes stop acting: force and torque become zero, the motion goes on", true, true},
    {CommandKind::Seek, "seek", Arguments::Step, "seek K", "a step of the run, a whole number from 0",
     "the body becomes as it was right after step K of the run, which must be kept; the run halts", true, true},
    {CommandKind::State, "state", Arguments::None, "state", "no arguments",
     "prints the whole state as one line of JSON", false, false},
    {CommandKind::Frame, "frame", Arguments::Path, "frame PATH", "the path of the PNG file to write",
     "writes the current picture as a PNG", false, false},
}};

const CommandEntry& EntryOf(CommandKind kind);
// The entry of a script word, or null.
const CommandEntry* EntryNamed(std::string_view word);

// "OVERLAYS" in a usage or meaning stands for the overlays' words, so that
// they too are listed once: "com, velocity, force, omega, trail or axes".
std::string Spelled(std::string_view text);

// Every command, one a line: its synopsis, then what it does; for --help.
std::string CommandSummary();
