#include "ui/script_runner.h"

#include <ostream>

#include <QDir>

#include "session/script_line.h"
#include "session/session.h"
#include "ui/Unit1.h"
#include "ui/image_canvas.h"

namespace {

// A session on a picture of its own, with no window: what the window's
// handlers would do, event by event.
class Replay : private SessionListener {
public:
    Replay(const std::filesystem::path& dataFile, const QString& framesFolder, std::ostream& out, std::ostream& err)
        : framesFolder_(framesFolder), out_(out), err_(err), canvas_(TForm1::kClientWidth, TForm1::kClientHeight),
          session_(canvas_, dataFile)
    {
        if (!framesFolder_.isEmpty() && !QDir().mkpath(framesFolder_)) {
            err_ << "error: cannot create the frames folder '" << framesFolder_.toStdString() << "'\n";
            failed_ = true;
            framesFolder_.clear();
        }
        session_.Listen(*this);
        session_.FirstSetup();
    }

    void Run(const ScriptCommand& command)
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
            Save(QString::fromStdString(command.text));
            break;
        case Kind::Pause:
            session_.Pause();
            break;
        case Kind::Speed:
            // Only the timer's period changes, and a replay has no timer.
            session_.SetSpeed(command.speed);
            break;
        case Kind::View:
            session_.SetOverlay(command.overlay, command.on);
            break;
        }
    }

    bool Failed() const { return failed_; }

private:
    void Redrawn() override
    {
        if (!framesFolder_.isEmpty()) SaveFrame();
    }
    void SetupRefused(const std::string& message, SetupFault) override { Error(message); }
    void Error(const std::string& message) { err_ << "line " << line_ << ": error: " << message << '\n'; }

    void Save(const QString& path)
    {
        if (canvas_.Image().save(path, "PNG")) return;
        Error("cannot write the picture '" + path.toStdString() + "'");
        failed_ = true;
    }

    void SaveFrame()
    {
        Save(QDir(framesFolder_).filePath(QStringLiteral("frame-%1.png").arg(++frames_, 6, 10, QChar('0'))));
    }

    int line_ = 0;
    int frames_ = 0;
    bool failed_ = false;
    QString framesFolder_;
    std::ostream& out_;
    std::ostream& err_;
    ImageCanvas canvas_;
    Session session_;
};

}  // namespace

int RunScript(const std::vector<ScriptCommand>& commands, const std::filesystem::path& dataFile,
              const QString& framesFolder, std::ostream& out, std::ostream& err)
{
    Replay replay(dataFile, framesFolder, out, err);
    for (const ScriptCommand& command : commands) replay.Run(command);
    return replay.Failed() ? 1 : 0;
}
