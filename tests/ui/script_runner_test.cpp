#include "ui/script_runner.h"

#include <fstream>
#include <map>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

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

struct Ran {
    int code = 0;
    QString out;
    QString err;
};

// Runs `program` in `folder`, with the offscreen display or none, its
// standard output put on `output` (a descriptor of the test's; -1 closes it;
// -2 keeps the pipe read here).
Ran RunProgram(const QString& program, const QStringList& arguments, const QString& folder, int output = -2,
               bool display = false)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(variable);
    if (display) environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    if (output != -2) process.setChildProcessModifier([output] { output < 0 ? ::close(1) : ::dup2(output, 1); });
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) process.kill();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
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
    std::tie(code, err) = run({"--script", script, "--csv", ""});
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.trimmed(), "rigid-body: --csv needs a path, not an empty one");

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

// What the two replayers have in common they answer alike, word for word but
// for their names: a lost standard output, however it is lost, and a command
// line or script they refuse.
TEST(Program, BothReplayersAgreeOnLostOutputAndRefusedCommandLines)
{
    const QTemporaryDir folder;
    std::ofstream(folder.filePath("st.txt").toStdString()) << "startstop\nstate\ntick\nstate\n";
    std::ofstream(folder.filePath("nul.txt").toStdString(), std::ios::binary) << std::string("open d.txt\0junk\n", 16);
    const QString data = QString::fromStdString(kDefaultData.string());
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    int brokenPipe[2];
    ASSERT_EQ(::pipe2(brokenPipe, O_CLOEXEC), 0);
    ::close(brokenPipe[0]);  // no one will read
    const int script = ::open(folder.filePath("st.txt").toLocal8Bit().constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const QString lost = "line 2: error: cannot write to standard output: %1; no further state lines are written\n";
    struct Case {
        QStringList arguments;
        int output;
        int code;
        QString err;
    };
    const Case cases[] = {
        {{"--script", "st.txt", "--data", data}, -2, 0, ""},
        {{"--script", "st.txt", "--data", data}, full, 1, lost.arg("No space left on device")},
        {{"--script", "st.txt", "--data", data}, -1, 1, lost.arg("Bad file descriptor (is it closed?)")},
        {{"--script", "st.txt", "--data", data}, brokenPipe[1], 1, lost.arg("Broken pipe")},
        {{"--script", "st.txt", "--data", data},
         script,
         2,
         "PROGRAM: cannot write to standard output: it is also the script (--script)\n"},
        {{"--script", "st.txt", "extra"}, -2, 2, "PROGRAM: unexpected argument 'extra' (see --help)\n"},
        {{"--bogus"}, -2, 2, "PROGRAM: unknown option '--bogus' (see --help)\n"},
        {{"--data", data, "--script"}, -2, 2, "PROGRAM: --script needs a value (see --help)\n"},
        {{"--script", "st.txt", "--data="}, -2, 2, "PROGRAM: --data needs a path, not an empty one\n"},
        {{"--script", "nul.txt"},
         -2,
         2,
         "nul.txt:1: 'open' takes the path of a data file, which cannot hold a NUL byte\n"},
    };
    for (const Case& c : cases) {
        const Ran full = RunProgram(RBD_PROGRAM, c.arguments, folder.path(), c.output);
        const Ran core = RunProgram(RBD_CORE_PROGRAM, c.arguments, folder.path(), c.output);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(full.code, c.code) << what;
        EXPECT_EQ(full.err, QString(c.err).replace("PROGRAM", "rigid-body")) << what;
        EXPECT_EQ(core.code, full.code) << what;
        EXPECT_EQ(core.out, full.out) << what;
        EXPECT_EQ(core.err, QString(full.err).replace("rigid-body", "rigid-body-core")) << what;
    }
    EXPECT_EQ(ReadFile(folder.filePath("st.txt").toStdString()), "startstop\nstate\ntick\nstate\n");
    for (const int descriptor : {full, brokenPipe[1], script}) ::close(descriptor);
}

// An output is checked against every file the run reads or writes, and every
// output can be written, before any file is replaced: a refused start leaves
// every file as it was.
TEST(Program, NoOutputIsWrittenOverAnInputOrAnotherOutput)
{
    const QTemporaryDir folder;
    const auto path = [&](const char* name) { return folder.filePath(name); };
    std::filesystem::copy_file(kDefaultData, path("d.txt").toStdString());
    std::ofstream(path("s.txt").toStdString()) << "startstop\ntick 3\nframe out.csv\nstate\n";
    std::ofstream(path("important.txt").toStdString()) << "# an earlier recording\nstartstop\n";
    const std::string files[] = {"d.txt", "s.txt", "important.txt"};
    std::map<std::string, std::string> before;
    for (const std::string& name : files) before[name] = ReadFile(path(name.c_str()).toStdString());

    const std::pair<QStringList, QString> refused[] = {
        {{"--script", "s.txt", "--data", "d.txt", "--csv", "d.txt"},
         "cannot write the data 'd.txt': it is also the data file (--data)"},
        {{"--script", "s.txt", "--data", "d.txt", "--csv", "./s.txt"},
         "cannot write the data './s.txt': it is also the script (--script)"},
        {{"--data", "d.txt", "--csv", "same.txt", "--record", "same.txt"},
         "cannot write the recording 'same.txt': it is also the CSV data (--csv)"},
        {{"--data", "d.txt", "--record", "important.txt", "--csv", "/nonexistent/x.csv"},
         "cannot write the data '/nonexistent/x.csv': No such file or directory"},
        {{"--data", "d.txt", "--csv", "/x/\x1B[31mred"},
         "cannot write the data '/x/\\x1B[31mred': No such file or directory"},
    };
    for (const auto& [arguments, message] : refused) {
        const Ran ran = RunProgram(RBD_PROGRAM, arguments, folder.path(), -2, true);
        EXPECT_EQ(ran.code, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(ran.err.endsWith("rigid-body: " + message + "\n")) << ran.err.toStdString();
    }
    for (const std::string& name : files) EXPECT_EQ(ReadFile(path(name.c_str()).toStdString()), before[name]) << name;
    EXPECT_FALSE(QFile::exists(path("same.txt")));

    // A picture asked for as the run goes is refused alike, and fails the run.
    const Ran ran =
        RunProgram(RBD_PROGRAM, {"--script", "s.txt", "--data", "d.txt", "--csv", "out.csv"}, folder.path());
    EXPECT_EQ(ran.code, 1);
    EXPECT_EQ(ran.err, "line 3: error: cannot write the picture 'out.csv': it is also the CSV data (--csv)\n");
    EXPECT_EQ(Lines(ReadFile(path("out.csv").toStdString())).size(), 4u);
}

// A reader that leaves takes the rest of the data with it: said, and a failure,
// never a silent end by SIGPIPE.
TEST(Program, ACsvReaderThatLeavesIsReported)
{
    const QTemporaryDir folder;
    const QString fifo = folder.filePath("rows");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const int reader = ::open(fifo.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::ofstream(folder.filePath("s.txt").toStdString()) << "startstop\ntick 1000\n";
    QProcess process;
    process.start(RBD_PROGRAM, {"--script", folder.filePath("s.txt"), "--data",
                                QString::fromStdString(kDefaultData.string()), "--csv", fifo});
    pollfd ready{reader, POLLIN, 0};
    ASSERT_EQ(::poll(&ready, 1, 20000), 1);  // the header, at least
    char some[100];
    EXPECT_GT(::read(reader, some, sizeof some), 0);
    ::close(reader);
    process.waitForFinished(20000);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = process.readAllStandardError();
    EXPECT_TRUE(err.startsWith("line 2: error: the data file '" + fifo + "' stopped at step ")) << err.toStdString();
    EXPECT_TRUE(err.endsWith(": Broken pipe; it holds every row up to there\n")) << err.toStdString();
}
