#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "session/command.h"
#include "session/session.h"

// Writes the session's picture as it is now to a PNG file, or throws why it
// could not. A program that draws no pictures has none.
class PictureWriter {
public:
    virtual ~PictureWriter() = default;
    virtual void WritePicture(const std::filesystem::path& path) = 0;
};

// Replays a script on a session, event by event, as the window's handlers
// would see them. `state` lines go to `out`, standard output; the messages the
// window would show go to `err` as "line N: error: MESSAGE", N being 0 for the
// first setup, and the replay goes on. With a frames folder, every frame drawn
// is written there as frame-000001.png, frame-000002.png, ...; the first one
// that cannot be written is the last one tried, as is the first state line.
class Replay : private SessionListener {
public:
    // `pictures` may be null when the script has no `frame` and there is no
    // frames folder.
    Replay(Session& session, std::ostream& out, std::ostream& err, PictureWriter* pictures,
           std::filesystem::path framesFolder);

    // The first setup, whose refusal is the message of line 0.
    void Start();
    // An event is applied, a question answered.
    void Run(const Command& command);
    // Says `message` as the message of the line being replayed, and counts it
    // a failure: for whatever serves the replay, such as a data file written
    // as it goes.
    void Fail(const std::string& message);
    // 0, or 1 when something could not be written: a picture, a state line.
    int ExitCode() const { return failed_ ? 1 : 0; }

private:
    void WriteState();
    void Redrawn() override;
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
    bool outputLost_ = false;
    Session::Listening listening_;
};

// The first setup and the whole script on `session`: the replay's exit code.
int ReplayScript(Session& session, const std::vector<Command>& commands, std::ostream& out, std::ostream& err,
                 PictureWriter* pictures = nullptr, const std::filesystem::path& framesFolder = {});
