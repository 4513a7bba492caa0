#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

#include <QString>

#include "session/command.h"
#include "session/run_files.h"

// Replays a script on a session with a picture of its own, no window: `state`
// lines go to `out`, the messages the window would show to `err`, and frames,
// with a frames folder, as PNG files there (see Replay); a picture that would
// be written over one of `files` is refused as one that cannot be written.
// Returns 0, or 1 when something could not be written. With a CSV file, the
// data of every step go there as the window's --csv writes them; one that
// cannot be written at the start gives 2 before anything runs.
int RunScript(const std::vector<Command>& commands, const std::filesystem::path& dataFile, const QString& framesFolder,
              std::ostream& out, std::ostream& err, const QString& csvFile = {}, RunFiles files = {});
