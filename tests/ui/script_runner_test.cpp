#include "ui/script_runner.h"

#include <fstream>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"
#include "tests/test_files.h"
#include "tests/session/recording_canvas.h"
#include "session/overlays.h"
#include "session/scene.h"
#include "session/state_json.h"

namespace {

const std::filesystem::path kDefaultData = RBD_SOURCE_DIR "/data.txt";

struct Output {
    std::vector<std::string> states;
    std::string errors;
    int code = 0;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

Output Replay(std::string_view script, const std::filesystem::path& data = kDefaultData, const QString& frames = {})
{
    std::ostringstream out, err;
    Output result;
    result.code = RunScript(ParseScript(script, "test"), data, frames, out, err);
    result.states = Lines(out.str());
    result.errors = err.str();
    return result;
}

QJsonObject Parsed(const std::string& line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    return document.object();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The window's behaviour written out again with the library alone: what a
// replay must match bit for bit.
std::string DirectRun(const std::vector<ScriptCommand>& commands, std::filesystem::path data)
{
    SimulationContext s;
    std::string density = "1";
    bool running = false;
    int width = 879, height = 552;
    RecordingCanvas canvas(width, height);
    TextCells cells;
    auto setupFrom = [&](const std::filesystem::path& file) {
        try {
            SetupBody(s.body, s.settings, density, file);
            s.steps = 0;
            return true;
        } catch (const SetupError&) {
            return false;
        }
    };
    auto setup = [&] { return setupFrom(data); };
    setup();
    std::string states;
    for (const ScriptCommand& c : commands) {
        using Kind = ScriptCommand::Kind;
        switch (c.kind) {
        case Kind::Size:
            width = c.x, height = c.y, canvas = RecordingCanvas(width, height);
            break;
        case Kind::Density:
            if (c.text != density) {
                density = c.text;
                running = false;
                setup();
            }
            break;
        case Kind::StartStop:
            if (!running || setup()) running = !running;
            break;
        case Kind::Tick:
            for (long long i = 0; i < c.count && running; ++i, ++s.steps)
                StepBody(s.body, s.settings, 0.2, width, height);
            break;
        case Kind::Press:
            PressAt(s.drag, s.body, s.settings, height, c.x, c.y);
            break;
        case Kind::Release:
            ReleaseAt(s.drag, s.body, s.settings, canvas, cells, c.x, c.y);
            break;
        case Kind::Step:
            if (!running) StepBody(s.body, s.settings, 0.2, width, height), ++s.steps;
            break;
        case Kind::Reload:
            running = false;
            setup();
            break;
        case Kind::Open:
            if (setupFrom(c.text)) {
                running = false;
                data = c.text;
            }
            break;
        case Kind::State:
            states += StateJson(s, running, height) + "\n";
            break;
        case Kind::Pause:
            // Freezes the body as it is, or lets it go on.
            running = !running;
            break;
        case Kind::Speed:
        case Kind::View:
        case Kind::Frame:
            break;
        }
    }
    return states;
}

}  // namespace

TEST(StateJson, KeepsEveryBitAndTheSignOfZero)
{
    SimulationContext s;
    s.body.position = {0.1, -0.0, 1e300};
    s.body.force = {5e-324, std::numeric_limits<double>::infinity(), std::nan("")};
    s.body.particles.resize(2);
    s.body.particles[1].centerOfMass = {1e12, 0, 0};
    s.settings.particleCount = 2;
    s.drag.particleIndex = 3;
    const std::string json = StateJson(s, true, 552);
    EXPECT_NE(json.find("\"position\":[0.1,-0,1e+300]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"force\":[5e-324,null,null]"), std::string::npos) << json;
    const QJsonObject state = Parsed(json);
    EXPECT_TRUE(state["running"].toBool());
    EXPECT_EQ(state["drag"].toObject()["particleIndex"].toInt(), 3);
    EXPECT_EQ(state["text"].toArray()[0].toString(), "force = [0  INF  NAN]");
    EXPECT_EQ(state["boxes"].toArray().size(), 2);
    EXPECT_TRUE(state["boxes"].toArray()[1].isNull());
    EXPECT_EQ(state["rotation"].toArray().size(), 9);
    for (const char* key :
         {"particleCount", "density", "totalMass", "orientation", "linearMomentum", "angularMomentum", "linearVelocity",
          "angularVelocity", "torque", "inverseInertia", "bodyInertia", "bodyInertiaInverse"})
        EXPECT_TRUE(state.contains(key)) << key;
}

TEST(RunScript, ExamplesMatchTheLibraryBitForBit)
{
    for (const char* name : {"push-and-bounce.txt", "spin.txt", "density.txt"}) {
        const std::string script = ReadFile(std::filesystem::path(RBD_SOURCE_DIR) / "examples" / name);
        const QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());  // examples write their frames here
        const Output replayed = Replay(script);
        QDir::setCurrent(previous);
        ASSERT_GE(replayed.states.size(), 4u) << name;
        std::string joined;
        for (const std::string& line : replayed.states) joined += line + "\n";
        EXPECT_EQ(joined, DirectRun(ParseScript(script, name), kDefaultData)) << name;
    }
}

TEST(RunScript, EveryCommandDrivesTheWindow)
{
    const TempFile data("2  110 65  90 55");
    const Output result = Replay(
        "state\n"
        "press 441 291\nstate\nrelease 460 272\n"
        "startstop\ntick 3\nstate\n"
        "size 300 400\nstate\n"
        "density 2\nstate\ntick 5\nstate\n",
        data.path());
    ASSERT_EQ(result.states.size(), 6u);
    EXPECT_TRUE(result.errors.empty()) << result.errors;
    EXPECT_EQ(Parsed(result.states[1])["drag"].toObject()["particleIndex"].toInt(), 0);
    const QJsonObject running = Parsed(result.states[2]);
    EXPECT_TRUE(running["running"].toBool());
    EXPECT_EQ(running["force"].toArray()[0].toDouble(), 20.0);
    EXPECT_EQ(running["text"].toArray()[0].toString(), "force = [20  20  0]");
    // The disc's box follows the new height of the drawing area.
    const QJsonArray before = Parsed(result.states[2])["boxes"].toArray()[0].toArray();
    const QJsonArray after = Parsed(result.states[3])["boxes"].toArray()[0].toArray();
    EXPECT_EQ(before[1].toInt() - after[1].toInt(), 552 - 400);
    const QJsonObject rebuilt = Parsed(result.states[4]);
    EXPECT_FALSE(rebuilt["running"].toBool());
    EXPECT_EQ(rebuilt["density"].toDouble(), 2.0);
    EXPECT_EQ(Parsed(result.states[5]), rebuilt);  // halted: ticks do nothing
}

TEST(RunScript, ErrorsAreReportedByLineAndTheReplayGoesOn)
{
    const TempFile folder("");
    const Output missing = Replay("state\ndensity 3\n", folder.folder() / "none.txt");
    EXPECT_NE(missing.errors.find("line 0: error: cannot open data file"), std::string::npos) << missing.errors;
    EXPECT_NE(missing.errors.find("line 2: error: cannot open data file"), std::string::npos) << missing.errors;
    EXPECT_EQ(Parsed(missing.states[0])["particleCount"].toDouble(), 8.0);
    EXPECT_EQ(missing.code, 0);

    const Output bad = Replay("startstop\ndensity x\nstate\nframe /nonexistent-folder/a.png\nstate\n");
    EXPECT_NE(bad.errors.find("line 2: error: density \"x\" is not a number"), std::string::npos);
    EXPECT_NE(bad.errors.find("line 4: error: cannot write the picture '/nonexistent-folder/a.png'"),
              std::string::npos);
    EXPECT_EQ(bad.states.size(), 2u);
    EXPECT_EQ(bad.code, 1);
}

TEST(RunScript, StepReloadAndOpenMatchTheLibraryBitForBit)
{
    const TempFile data("2  110 65  90 55");
    const TempFile other("3  0 0  10 0  0 30", "other.txt");
    const std::string script =
        "press 440 292\nrelease 470 250\nstep\nstep\nstate\n"
        "startstop\ntick 3\nstep\nstate\n"
        "open " +
        other.path().string() +
        "\nstate\nstartstop\ntick 2\n"
        "open " +
        (other.folder() / "absent.txt").string() +
        "\nstate\n"
        "reload\nstate\n";
    const Output replayed = Replay(script, data.path());
    ASSERT_EQ(replayed.states.size(), 5u);
    std::string joined;
    for (const std::string& line : replayed.states) joined += line + "\n";
    EXPECT_EQ(joined, DirectRun(ParseScript(script, "s"), data.path()));
    // A refused open leaves the run going and the body as it was.
    EXPECT_TRUE(Parsed(replayed.states[3])["running"].toBool());
    EXPECT_EQ(Parsed(replayed.states[4])["particleCount"].toDouble(), 3.0);
    EXPECT_EQ(replayed.errors.rfind("line 14: error: cannot open data file", 0), 0u) << replayed.errors;
}

TEST(RunScript, FramesShowTheDiscsWhereTheStateSaysTheyAre)
{
    const QTemporaryDir folder;
    const Output result =
        Replay("press 462 288\nrelease 480 280\nstartstop\ntick 4\nstate\n", kDefaultData, folder.filePath("frames"));
    // First setup, release, start, four ticks.
    const QStringList frames = QDir(folder.filePath("frames")).entryList({"frame-*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(frames.size(), 7);
    EXPECT_EQ(frames.front(), "frame-000001.png");
    const QImage last(folder.filePath("frames/" + frames.back()));
    for (const QJsonValue box : Parsed(result.states[0])["boxes"].toArray()) {
        const QJsonArray corners = box.toArray();
        const int x = (corners[0].toInt() + corners[2].toInt()) / 2;
        const int y = (corners[1].toInt() + corners[3].toInt()) / 2;
        EXPECT_EQ(last.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
    }
}

// Two pushes that cancel leave the text block exactly as at rest, not with the
// tail of the longer line between; an overlay asked for shows in the next frame.
TEST(RunScript, FramesShowAMendedTextBlockAndTheOverlaysAskedFor)
{
    const QTemporaryDir folder;
    const auto frame = [&](const char* name) { return folder.filePath(name).toStdString(); };
    const Output result = Replay("frame " + frame("rest.png") +
                                 "\npress 462 288\nrelease 562 388\npress 462 288\nrelease 362 188\nframe " +
                                 frame("pushed.png") + "\nview com on\nstate\nframe " + frame("com.png") + "\n");
    ASSERT_EQ(result.code, 0) << result.errors;
    const QImage rest(QString::fromStdString(frame("rest.png")));
    EXPECT_EQ(QImage(QString::fromStdString(frame("pushed.png"))).copy(0, 0, 400, 70), rest.copy(0, 0, 400, 70));

    const QJsonArray position = Parsed(result.states[0])["position"].toArray();
    const QImage com(QString::fromStdString(frame("com.png")));
    const int x = static_cast<int>(4 * position[0].toDouble()), y = static_cast<int>(552 - 4 * position[1].toDouble());
    const QRgb red = qRgb(kComColor & 0xFF, (kComColor >> 8) & 0xFF, kComColor >> 16);
    EXPECT_EQ(com.pixel(x + kComCrossHalfWidth - 1, y), red);
    EXPECT_NE(rest.pixel(x + kComCrossHalfWidth - 1, y), red);
}

TEST(Program, HelpListsTheShortcuts)
{
    QProcess process;
    process.start(RBD_PROGRAM, {"--help"});
    process.waitForFinished(20000);
    const QString help = process.readAllStandardOutput();
    for (const char* item :
         {"Space", "Ctrl+Right", "Ctrl+R ", "Ctrl+O ", "Ctrl+S ", "--record <FILE>", "--csv <FILE>", "view NAME"})
        EXPECT_TRUE(help.contains(item)) << item;
}

TEST(Program, UsageErrorsExitWithTwo)
{
    const QTemporaryDir folder;
    auto run = [&](const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(RBD_PROGRAM, arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(20000);
        return std::pair{process.exitCode(), QString(process.readAllStandardError())};
    };
    const QString script = folder.filePath("s.txt");
    std::ofstream(script.toStdString()) << "state\nfly away\nstate\n";
    auto [code, err] = run({"--script", script, "--data", QString::fromStdString(kDefaultData.string())});
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.trimmed(), script + ":2: unknown command \"fly\"");

    std::tie(code, err) = run({"--script", folder.filePath("absent.txt")});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(err.contains("cannot read the script")) << err.toStdString();

    std::tie(code, err) = run({"--frames", "x"});
    EXPECT_EQ(code, 2);

    // The CSV: a header and a row per step; a file that cannot be written at
    // the start is refused before anything runs.
    std::ofstream(script.toStdString()) << "startstop\ntick 3\nstep\nstate\n";
    const QString csv = folder.filePath("run.csv");
    std::tie(code, err) =
        run({"--script", script, "--csv", csv, "--data", QString::fromStdString(kDefaultData.string())});
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(Lines(ReadFile(csv.toStdString())).size(), 4u);  // a step while running is none
    std::tie(code, err) = run({"--script", script, "--csv", folder.path()});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(err.contains("rigid-body: cannot write the data '" + folder.path() + "': ")) << err.toStdString();

    // An input that never ends, and one that is closed, each end at once.
    std::tie(code, err) = run({"--script", "/dev/zero"});
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.trimmed(), "/dev/zero:1: the line is longer than 1048576 bytes, the most a script line may hold");
    QProcess closedInput;
    closedInput.start("/bin/sh", {"-c", "exec \"$0\" --script - <&-", RBD_PROGRAM});
    closedInput.waitForFinished(20000);
    EXPECT_EQ(closedInput.exitCode(), 2);
    EXPECT_EQ(closedInput.readAllStandardError().trimmed(),
              "rigid-body: cannot read the script '<stdin>': standard input is closed");

    std::tie(code, err) = run({"--record", folder.filePath("r.txt"), "--script", script});
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.trimmed(), "rigid-body: --record goes with the window, not with --script");
    EXPECT_FALSE(QFile::exists(folder.filePath("r.txt")));

    // Asked to record into a folder, the program opens no window.
    std::tie(code, err) = run({"--record", folder.path()});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(err.contains("rigid-body: cannot write the recording '" + folder.path() + "': ")) << err.toStdString();

    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(RBD_PROGRAM, {"--script", "-", "--data", QString::fromStdString(kDefaultData.string())});
    process.write("tick\nstate\n");
    process.closeWriteChannel();
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    EXPECT_EQ(Parsed(process.readAllStandardOutput().trimmed().toStdString())["particleCount"].toDouble(), 8.0);
}
