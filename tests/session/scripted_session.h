#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "session/replay.h"
#include "session/script.h"
#include "session/session.h"
#include "session/state_path.h"
#include "tests/session/recording_canvas.h"
#include "tests/test_files.h"

// Two particles about (100, 60): particle 0 sits at offset (10, 5), its centre
// on pixel (440, 292) of the 879 × 552 area.
inline constexpr const char* kTwoParticles = "2  110 65  90 55";

// A session on a data file of its own, driven by script lines as a replay of
// `--script` drives one, on a canvas that writes down every call.
struct ScriptedSession {
    explicit ScriptedSession(std::string_view data = kTwoParticles) : file(data) { replay.Start(); }

    // Replays the lines; what `state` prints and the messages collect in `out`
    // and `err`.
    void Run(std::string_view script)
    {
        for (const Command& command : ParseScript(script, "test")) replay.Run(command);
    }
    // A number of the state line as it is now, by its path.
    double Value(std::string_view path) const { return StateValue(session.StateJson(), path); }

    TempFile file;
    RecordingCanvas canvas{879, 552};
    Session session{canvas, file.path()};
    std::ostringstream out;
    std::ostringstream err;
    Replay replay{session, out, err, nullptr, {}};
};
