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

#include "session/overlays.h"
#include "session/script.h"
#include "tests/test_files.h"

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

}  // namespace

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
