#pragma once

#include <stdexcept>
#include <string>

#include "session/command.h"

// A command that no script line can hold, such as a density text with a line
// break in it; the message says which and why.
class UnwritableCommand : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The line, without its line break, that ParseScript reads back as exactly
// `command` (its line number aside). Throws UnwritableCommand when there is none.
std::string ScriptLine(const Command& command);
