#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "session/command.h"

// A command line the program cannot follow, said before anything runs; the
// programs that replay scripts then exit with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A script that is not one: "NAME:LINE: what is wrong".
class ScriptUsageError : public UsageError {
public:
    using UsageError::UsageError;
};

// The whole script, checked before any of it runs. Blank lines and lines whose
// first non-blank character is '#' are skipped, as is a '#' comment after any
// command whose arguments are not the rest of the line (density, open, frame).
std::vector<Command> ParseScript(std::string_view script, std::string_view name);

// One line of the script `name`, without its line break: the command, or
// nothing for a blank or comment line. A line that is no command throws.
std::optional<Command> ParseScriptLine(std::string_view text, std::string_view name, std::int64_t line);
