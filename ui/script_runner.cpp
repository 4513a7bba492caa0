#include "ui/script_runner.h"

#include <ostream>

#include "session/replay.h"
#include "sim/setup_error.h"
#include "ui/csv_recorder.h"
#include "ui/live_session.h"
#include "ui/png_file.h"

namespace {

// The replay's pictures, written as the window saves its own.
class PngWriter : public PictureWriter {
public:
    explicit PngWriter(const LiveSession& live) : live_(live) {}
    void WritePicture(const std::filesystem::path& path) override
    {
        live_.CheckOutput(path);
        WritePngFile(live_.canvas.Image(), QString::fromStdString(path.string()));
    }

private:
    const LiveSession& live_;
};

}  // namespace

int RunScript(const std::vector<Command>& commands, const std::filesystem::path& dataFile, const QString& framesFolder,
              std::ostream& out, std::ostream& err, const QString& csvFile, RunFiles files)
{
    LiveSession live(dataFile, std::move(files));
    PngWriter pictures(live);
    Replay replay(live.session, out, err, &pictures, framesFolder.toStdString());
    CsvRecorder csv(live.session, [&replay](const std::string& message) { replay.Fail(message); });
    if (!csvFile.isEmpty()) {
        try {
            csv.Begin(csvFile);
            csv.Start();
        } catch (const WriteError& failure) {
            err << "rigid-body: cannot write the data '" << ShownPath(csvFile.toStdString()) << "': " << failure.what()
                << '\n';
            return 2;
        }
    }
    replay.Start();
    for (const Command& command : commands) replay.Run(command);
    return replay.ExitCode();
}
