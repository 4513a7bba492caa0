#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "session/script.h"

// The longest script line read. A density text or a path is far shorter; a
// source without line breaks, such as /dev/zero, is refused here rather than
// read until memory runs out.
inline constexpr std::size_t kLongestScriptLine = std::size_t{1} << 20;

// Reads a whole script from an open file descriptor (a file, a pipe or
// standard input) to its end, checking each line as it arrives. Throws
// ScriptUsageError "NAME: cannot read the script: REASON" or "NAME:LINE: ...".
std::vector<Command> ReadScript(int descriptor, std::string_view name);

// The script a command line names: a file, or "-" for standard input, which
// `standardInputClosed` says was closed when the program started. Throws
// ScriptUsageError; one that cannot be opened says
// "PROGRAM: cannot read the script 'NAME': REASON".
std::vector<Command> ReadScriptNamed(std::string_view program, const std::string& name, bool standardInputClosed);

// Whether standard input is closed; asked before anything else opens a file,
// which would then be given its number.
bool StandardInputClosed();
