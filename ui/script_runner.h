#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

#include <QString>

#include "session/script.h"

// Replays a script through the window's own handlers, on whatever platform Qt
// runs (offscreen for scripted runs). `state` lines go to `out`; the messages
// the window would show go to `err` as "line N: error: MESSAGE", N being 0 for
// the first setup, and the replay goes on. With a frames folder, every frame
// drawn is written there as frame-000001.png, frame-000002.png, ...
// Returns 0, or 1 when a picture could not be written.
int RunScript(const std::vector<ScriptCommand>& commands, const std::filesystem::path& dataFile,
              const QString& framesFolder, std::ostream& out, std::ostream& err);
