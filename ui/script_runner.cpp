#include "ui/script_runner.h"

#include <cstdint>
#include <ostream>
#include <system_error>

#include <QDir>
#include <QLineEdit>

#include "ui/Unit1.h"
#include "ui/image_view.h"
#include "ui/png_file.h"
#include "sim/setup_error.h"
#include "session/state_json.h"

namespace {

class Replay {
public:
    Replay(const std::filesystem::path& dataFile, const QString& framesFolder, std::ostream& out, std::ostream& err)
        : framesFolder_(framesFolder), out_(out), err_(err),
          form_(dataFile, [this](const std::string& message) { Error(message); })
    {
        // Shown, so that resizes reach the drawing area as they would on screen.
        form_.show();
        if (!framesFolder_.isEmpty()) {
            std::error_code error;
            std::filesystem::create_directories(framesFolder_.toStdString(), error);
            if (error) {
                err_ << "error: cannot create the frames folder '" << PrintableText(framesFolder_.toStdString())
                     << "': " << error.message() << "\n";
                failed_ = true;
                framesFolder_.clear();
            } else {
                SaveFrame();  // the first setup's frame, drawn before we could listen
                QObject::connect(&form_, &TForm1::Redrawn, [this] { SaveFrame(); });
            }
        }
    }

    void Run(const ScriptCommand& command)
    {
        line_ = command.line;
        using Kind = ScriptCommand::Kind;
        switch (command.kind) {
        case Kind::Size:
            form_.resize(command.x, command.y);
            break;
        case Kind::Density:
            form_.Edit1->setText(QString::fromStdString(command.text));
            break;
        case Kind::StartStop:
            form_.Button3Click();
            break;
        case Kind::Tick:
            // A halted timer delivers no ticks, however many periods pass.
            for (long long i = 0; i < command.count && form_.Running(); ++i) form_.Timer1Timer();
            break;
        case Kind::Press:
            form_.Image1MouseDown(command.x, command.y);
            break;
        case Kind::Release:
            form_.Image1MouseUp(command.x, command.y);
            break;
        case Kind::Step:
            form_.StepWhileHalted();
            break;
        case Kind::Reload:
            form_.Reload();
            break;
        case Kind::Open:
            form_.OpenDataFile(command.text);
            break;
        case Kind::State:
            out_ << StateJson(form_.Simulation(), form_.Running(), form_.Image1->height()) << '\n' << std::flush;
            break;
        case Kind::Frame:
            Save(QString::fromStdString(command.text));
            break;
        }
    }

    bool Failed() const { return failed_; }

private:
    void Error(const std::string& message) { err_ << "line " << line_ << ": error: " << message << '\n'; }

    bool Save(const QString& path)
    {
        const std::string failed = WritePngFile(form_.Image1->Canvas().Image(), path);
        if (failed.empty()) return true;
        Error("cannot write the picture '" + PrintableText(path.toStdString()) + "': " + failed);
        failed_ = true;
        return false;
    }

    // The first frame that cannot be written is the last one tried: the next
    // would fail for the same reason, once per tick.
    void SaveFrame()
    {
        if (framesFolder_.isEmpty()) return;
        const QString name = QStringLiteral("frame-%1.png").arg(static_cast<qlonglong>(++frames_), 6, 10, QChar('0'));
        if (Save(QDir(framesFolder_).filePath(name))) return;
        err_ << "error: no further frames are written to '" << PrintableText(framesFolder_.toStdString()) << "'\n";
        framesFolder_.clear();
    }

    std::int64_t line_ = 0;
    std::int64_t frames_ = 0;
    bool failed_ = false;
    QString framesFolder_;
    std::ostream& out_;
    std::ostream& err_;
    TForm1 form_;
};

}  // namespace

int RunScript(const std::vector<ScriptCommand>& commands, const std::filesystem::path& dataFile,
              const QString& framesFolder, std::ostream& out, std::ostream& err)
{
    Replay replay(dataFile, framesFolder, out, err);
    for (const ScriptCommand& command : commands) replay.Run(command);
    return replay.Failed() ? 1 : 0;
}
