#pragma once

#include <cstddef>
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
std::vector<ScriptCommand> ReadScript(int descriptor, std::string_view name);
