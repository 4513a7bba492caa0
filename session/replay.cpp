#include "session/replay.h"

#include <cstdio>
#include <ostream>
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
    session_.Listen(*this);
    session_.FirstSetup();
}

Replay::~Replay() { session_.StopListening(*this); }

void Replay::Run(const ScriptCommand& command)
{
    line_ = command.line;
    using Kind = ScriptCommand::Kind;
    switch (command.kind) {
    case Kind::Size:
        session_.Resize(command.x, command.y);
        break;
    case Kind::Density:
        session_.EditDensity(command.text);
        break;
    case Kind::StartStop:
        session_.StartStop();
        break;
    case Kind::Tick:
        // A halted timer delivers no ticks, however many periods pass.
        for (long long i = 0; i < command.count && session_.Running(); ++i) session_.Tick();
        break;
    case Kind::Press:
        session_.Press(command.x, command.y);
        break;
    case Kind::Release:
        session_.Release(command.x, command.y);
        break;
    case Kind::Step:
        session_.Step();
        break;
    case Kind::Reload:
        session_.Reload();
        break;
    case Kind::Open:
        session_.Open(command.text);
        break;
    case Kind::State:
        out_ << session_.StateJson() << '\n' << std::flush;
        break;
    case Kind::Frame:
        Save(command.text);
        break;
    case Kind::Pause:
        session_.Pause();
        break;
    // Only the timer's period changes, and a replay has no timer.
    case Kind::Speed:
        session_.SetSpeed(command.speed);
        break;
    case Kind::View:
        session_.SetOverlay(command.overlay, command.on);
        break;
    }
}

void Replay::Redrawn() { SaveFrame(); }

void Replay::Error(const std::string& message) { err_ << "line " << line_ << ": error: " << message << '\n'; }

bool Replay::Save(const std::filesystem::path& path)
{
    const std::string failed = pictures_ ? pictures_->WritePicture(path) : "this program draws no pictures";
    if (failed.empty()) return true;
    Error("cannot write the picture '" + PrintableText(path.string()) + "': " + failed);
    failed_ = true;
    return false;
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

int ReplayScript(Session& session, const std::vector<ScriptCommand>& commands, std::ostream& out, std::ostream& err,
                 PictureWriter* pictures, const std::filesystem::path& framesFolder)
{
    Replay replay(session, out, err, pictures, framesFolder);
    for (const ScriptCommand& command : commands) replay.Run(command);
    return replay.Failed() ? 1 : 0;
}
