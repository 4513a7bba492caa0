#pragma once

#include <functional>
#include <string>

// Shows a message to the person: a message box over the window, a line on
// standard error, or what a test keeps.
using ErrorReporter = std::function<void(const std::string& message)>;
