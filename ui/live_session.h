#pragma once

#include <filesystem>
#include <utility>

#include "session/run_files.h"
#include "session/session.h"
#include "ui/image_canvas.h"

// A session drawn on a picture of its own, for a window to show or a script to
// replay, with the files its run reads and writes, which a picture or an
// export may not be written over. Made before the window and gone after it, so
// that whatever listens to the session may leave whenever it is closed, in any
// order.
struct LiveSession {
    explicit LiveSession(std::filesystem::path dataFile, RunFiles runFiles = {}, SetupAhead ahead = {})
        : session(canvas, std::move(dataFile), std::move(ahead)), files(std::move(runFiles))
    {
    }

    // Throws FileClash when writing `path` would write over a file of the run
    // or the data file in use.
    void CheckOutput(const std::filesystem::path& path) const { files.CheckOutput(path, session.DataFile()); }

    ImageCanvas canvas{Session::kStartWidth, Session::kStartHeight};
    Session session;
    RunFiles files;
};
