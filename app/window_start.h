#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "session/setup_ahead.h"

// rigid-body is a small program that begins reading the window's body and
// only then loads the window's code. Loading Qt's libraries takes some ten
// milliseconds before any code of ours runs; a large body is read meanwhile
// rather than after. This is what it hands the window.
struct WindowStart {
    // Asked before the window's code was loaded, since loading it opens files.
    bool standardInputClosed = false;
    // The window's first setup, begun where the command line plainly names the
    // body; the window begins its own when this is not the one it needs.
    SetupAhead ahead;
};

// The window's entry, looked up by this name in the module loaded.
using WindowMain = int(int argc, char** argv, WindowStart& start);
inline constexpr const char* kWindowMainName = "RigidBodyWindowMain";
extern "C" WindowMain RigidBodyWindowMain;

// The data file of a window run whose command line holds nothing but --data,
// --record and --csv, each with a value: what the window reads first, for
// certain, without Qt. Nothing for any other command line, which the window
// reads itself (a lesson names its own body, a script opens no window).
std::optional<std::filesystem::path> PlainWindowDataFile(std::span<const char* const> arguments);

// Whether Qt has a display to open a window on, or a platform that needs none.
bool HasDisplay();
