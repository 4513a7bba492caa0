#include "session/replay.h"

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <system_error>

#include "sim/setup_error.h"

Replay::Replay(Session& session, std::ostream& out, std::ostream& err, PictureWriter* pictures,
               std::filesystem::path framesFolder)
    : session_(session), out_(out), err_(err), pictures_(pictures), framesFolder_(std::move(framesFolder))
{
    if (!framesFolder_.empty()) {
        std::error_code error;
        std::filesystem::create_directories(framesFolder_, error);
        if (error) {
            Fail("cannot create the frames folder '" + ShownPath(framesFolder_.string()) + "': " + error.message());
            framesFolder_.clear();
        }
    }
    listening_ = session_.Listen(*this);
}

void Replay::Start()
{
    try {
        session_.FirstSetup();
    } catch (const std::runtime_error& refusal) {
        Error(refusal.what());
    }
}

void Replay::Run(const Command& command)
{
    line_ = command.line;
    switch (command.kind) {
    case CommandKind::State:
        WriteState();
        return;
    case CommandKind::Frame:
        Save(command.text);
        return;
    default:
        try {
            session_.Apply(command);
        } catch (const std::runtime_error& refusal) {
            Error(refusal.what());
        }
    }
}

void Replay::Fail(const std::string& message)
{
    Error(message);
    failed_ = true;
}

// A state line that is lost is a failure like a picture that is: whoever
// reads the output must not take it for whole.
void Replay::WriteState()
{
    if (outputLost_) return;
    errno = 0;
    out_ << session_.StateJson() << '\n' << std::flush;
    if (out_) return;
    const int error = errno;
    outputLost_ = true;
    std::string reason;
    if (error != 0) reason = ": " + std::generic_category().message(error);
    if (error == EBADF) reason += " (is it closed?)";
    Fail("cannot write to standard output" + reason + "; no further state lines are written");
}

void Replay::Redrawn() { SaveFrame(); }

void Replay::Error(const std::string& message) { err_ << "line " << line_ << ": error: " << message << '\n'; }

bool Replay::Save(const std::filesystem::path& path)
{
    try {
        if (!pictures_) throw std::runtime_error("this program draws no pictures");
        pictures_->WritePicture(path);
        return true;
    } catch (const std::runtime_error& failure) {
        Fail("cannot write the picture '" + ShownPath(path.string()) + "': " + failure.what());
        return false;
    }
}

// The first frame that cannot be written is the last one tried: the next
// would fail for the same reason, once per tick.
void Replay::SaveFrame()
{
    if (framesFolder_.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(++frames_));
    if (Save(framesFolder_ / name)) return;
    Error("no further frames are written to '" + ShownPath(framesFolder_.string()) + "'");
    framesFolder_.clear();
}

int ReplayScript(Session& session, const std::vector<Command>& commands, std::ostream& out, std::ostream& err,
                 PictureWriter* pictures, const std::filesystem::path& framesFolder)
{
    Replay replay(session, out, err, pictures, framesFolder);
    replay.Start();
    for (const Command& command : commands) replay.Run(command);
    return replay.ExitCode();
}
