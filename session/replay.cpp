#include "session/replay.h"

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
            err_ << "error: cannot create the frames folder '" << PrintableText(framesFolder_.string())
                 << "': " << error.message() << "\n";
            failed_ = true;
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
        out_ << session_.StateJson() << '\n' << std::flush;
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

void Replay::Redrawn() { SaveFrame(); }

void Replay::Error(const std::string& message) { err_ << "line " << line_ << ": error: " << message << '\n'; }

bool Replay::Save(const std::filesystem::path& path)
{
    try {
        if (!pictures_) throw std::runtime_error("this program draws no pictures");
        pictures_->WritePicture(path);
        return true;
    } catch (const std::runtime_error& failure) {
        Fail("cannot write the picture '" + PrintableText(path.string()) + "': " + failure.what());
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
    err_ << "error: no further frames are written to '" << PrintableText(framesFolder_.string()) << "'\n";
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
