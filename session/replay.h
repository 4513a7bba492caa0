#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "session/script.h"
#include "session/session.h"

// Writes the session's picture as it is now to a PNG file: empty when it was
// written, or why not. A program that draws no pictures has none.
class PictureWriter {
public:
    virtual ~PictureWriter() = default;
    virtual std::string WritePicture(const std::filesystem::path& path) = 0;
};

// Replays a script on a session, event by event, as the window's handlers
// would see them. `state` lines go to `out`; the messages the window would
// show go to `err` as "line N: error: MESSAGE", N being 0 for the first setup,
// and the replay goes on. With a frames folder, every frame drawn is written
// there as frame-000001.png, frame-000002.png, ...; the first one that cannot
// be written is the last one tried.
class Replay : private SessionListener {
public:
    // Runs the first setup. `pictures` may be null when the script has no
    // `frame` and there is no frames folder.
    Replay(Session& session, std::ostream& out, std::ostream& err, PictureWriter* pictures,
           std::filesystem::path framesFolder);
    ~Replay() override;
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    void Run(const ScriptCommand& command);
    // A picture could not be written.
    bool Failed() const { return failed_; }

private:
    void Redrawn() override;
    void SetupRefused(const std::string& message, SetupFault) override { Error(message); }
    void Error(const std::string& message);
    bool Save(const std::filesystem::path& path);
    void SaveFrame();

    Session& session_;
    std::ostream& out_;
    std::ostream& err_;
    PictureWriter* pictures_;
    std::filesystem::path framesFolder_;
    std::int64_t line_ = 0;
    std::int64_t frames_ = 0;
    bool failed_ = false;
};

// The whole script on `session`: 0, or 1 when a picture could not be written.
int ReplayScript(Session& session, const std::vector<ScriptCommand>& commands, std::ostream& out, std::ostream& err,
                 PictureWriter* pictures = nullptr, const std::filesystem::path& framesFolder = {});
