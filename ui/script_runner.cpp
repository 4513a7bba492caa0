#include "ui/script_runner.h"

#include "session/replay.h"
#include "session/session.h"
#include "ui/Unit1.h"
#include "ui/csv_recorder.h"
#include "ui/image_canvas.h"
#include "ui/png_file.h"
#include "sim/setup_error.h"

namespace {

// The replay's pictures, written as the window saves its own.
class PngWriter : public PictureWriter {
public:
    explicit PngWriter(const ImageCanvas& canvas) : canvas_(canvas) {}
    std::string WritePicture(const std::filesystem::path& path) override
    {
        return WritePngFile(canvas_.Image(), QString::fromStdString(path.string()));
    }

private:
    const ImageCanvas& canvas_;
};

}  // namespace

int RunScript(const std::vector<ScriptCommand>& commands, const std::filesystem::path& dataFile,
              const QString& framesFolder, std::ostream& out, std::ostream& err, const QString& csvFile)
{
    ImageCanvas canvas(TForm1::kClientWidth, TForm1::kClientHeight);
    Session session(canvas, dataFile);
    PngWriter pictures(canvas);
    bool csvFailed = false;
    CsvRecorder csv(session, [&](const std::string& message) {
        err << "error: " << message << '\n';
        csvFailed = true;
    });
    if (QString problem; !csvFile.isEmpty() && !csv.Start(csvFile, problem)) {
        err << "rigid-body: cannot write the data '" << PrintableText(csvFile.toStdString())
            << "': " << problem.toStdString() << '\n';
        return 2;
    }
    const int code = ReplayScript(session, commands, out, err, &pictures, framesFolder.toStdString());
    return code == 0 && csvFailed ? 1 : code;
}
