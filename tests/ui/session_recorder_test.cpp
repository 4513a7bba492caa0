#include "ui/session_recorder.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <utility>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "tests/test_files.h"
#include "tests/ui/window_fixture.h"
#include "session/script.h"
#include "ui/live_session.h"
#include "ui/png_file.h"
#include "ui/script_runner.h"
#include "session/state_json.h"

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string LastLine(const std::string& text)
{
    const std::string trimmed = text.substr(0, text.find_last_not_of('\n') + 1);
    return trimmed.substr(trimmed.rfind('\n') + 1);
}

struct Recording : WindowFixture {
    Recording() : WindowFixture(ReadFile(RBD_SOURCE_DIR "/data.txt")) {}

    TForm1& Open(QSize size = {879, 552})
    {
        recorder.reset();  // it listens to the session of any window before
        Create().resize(size);
        form->show();
        recorder = std::make_unique<SessionRecorder>(form->CurrentSession(),
                                                     [this](const std::string& m) { errors.push_back(m); });
        recorder->Begin(QString::fromStdString(record.path().string()));
        recorder->Start();
        return *form;
    }

    std::string Recorded() const { return ReadFile(record.path()); }

    // What `rigid-body --script` makes of the recording, as its final state line.
    std::string Replayed() const
    {
        std::vector<Command> commands = ParseScript(Recorded(), "session.txt");
        commands.push_back({.kind = CommandKind::State});
        std::ostringstream out, err;
        EXPECT_EQ(RunScript(commands, file.path(), {}, out, err), 0);
        return LastLine(out.str());
    }

    std::string Live() const { return StateJson(form->Simulation(), form->Running(), form->Image1->height()); }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) form->Timer1Timer();
    }

    TempFile other{"3  0 0  10 0  0 30", "other.txt"};
    TempFile record{"", "session.txt"};
    std::unique_ptr<SessionRecorder> recorder;
};

}  // namespace

TEST_F(Recording, ReplayReachesTheSameStateBitForBit)
{
    TForm1& w = Open();
    w.resize(700, 500);
    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(462, 288 - 52));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(520, 260 - 52));
    w.Edit1->setFocus();
    QTest::keyClick(w.Edit1, Qt::Key_End);
    QTest::keyClicks(w.Edit1, "5");  // "15"
    QTest::keyClick(w.Edit1, Qt::Key_Backspace);
    QTest::keyClicks(w.Edit1, ".25");  // "1.25"
    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(432, 248 - 52));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(432, 290));
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    ASSERT_TRUE(w.Running());
    Ticks(150);
    w.Do({.kind = CommandKind::Step});  // running: does nothing, and is replayed as nothing
    QTest::mousePress(w.Image1, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(w.Image1, Qt::RightButton, {}, QPoint(20, 20));
    Ticks(150);
    w.Button3Click();
    w.Do({.kind = CommandKind::Step});
    w.Do({.kind = CommandKind::Step});
    w.Do({.kind = CommandKind::Open, .text = other.path().string()});
    w.Do({.kind = CommandKind::Reload});
    w.Edit1->setText("x");  // refused, in the session and in the replay alike
    w.Edit1->setText("2");
    w.Image1MouseDown(350, 250);
    w.Image1MouseUp(300, 200);
    w.Button3Click();
    Ticks(100);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Replayed(), Live());

    const std::string recorded = Recorded();
    EXPECT_EQ(recorded.rfind("# Rigid Body Dynamics session on the data file " + file.path().string(), 0), 0u);
    EXPECT_NE(recorded.find("\nsize 700 500\npress 462 236\nrelease 520 208\ndensity 15\ndensity 1\n"),
              std::string::npos);
    EXPECT_NE(recorded.find("\nopen " + other.path().string() + "\nreload\ndensity x\n"), std::string::npos);
}

TEST_F(Recording, StartsWithTheAreaSizeOnlyWhenTheReplayWouldNotHaveIt)
{
    TForm1& w = Open({300, 200});
    w.resize(300, 200);
    w.resize(879, 552);
    w.Do({.kind = CommandKind::Step});
    std::string recorded = Recorded();
    EXPECT_EQ(recorded.substr(recorded.find('\n') + 1), "size 300 200\nsize 879 552\nstep\n");

    record.Rewrite("");
    Open();
    recorded = Recorded();
    EXPECT_EQ(recorded.substr(recorded.find('\n') + 1), "");
}

TEST_F(Recording, ALineBreakInTheDensityStopsTheRecordingNotTheSession)
{
    TForm1& w = Open();
    w.Edit1->setText("3");
    w.Edit1->setText("4\n");
    EXPECT_EQ(w.Simulation().settings.density, 3.0);
    ASSERT_EQ(errors.size(), 1u);  // the recording; the density is marked at the box
    EXPECT_NE(errors[0].find("recording to '" + record.path().string() +
                             "' stopped: the density text \"4\\x0A\" holds a line break"),
              std::string::npos)
        << errors[0];
    w.Edit1->setText("5");
    EXPECT_EQ(w.Simulation().settings.density, 5.0);
    const std::string recorded = Recorded();
    EXPECT_EQ(recorded.substr(recorded.find('\n') + 1), "density 3\n");
}

TEST_F(Recording, AFailedWriteStopsTheRecordingNotTheSession)
{
    TForm1& w = Open();
    w.Edit1->setText("3");
    // The file may grow by no more than a few bytes: the next line fails.
    const auto size = static_cast<rlim_t>(std::filesystem::file_size(record.path()));
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = size + 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    w.Edit1->setText("4");
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "recording to '" + record.path().string() +
                             "' stopped: the file took only 4 of the 10 bytes of a line (is the disk full?); "
                             "the file holds the session up to here");
    EXPECT_EQ(w.Simulation().settings.density, 4.0);
    w.Edit1->setText("5");
    EXPECT_EQ(errors.size(), 1u);
    const std::string recorded = Recorded();
    EXPECT_EQ(recorded.substr(recorded.find('\n') + 1), "density 3\n");  // no half line
}

TEST(RecordingStart, AFileThatCannotBeWrittenIsRefusedWithTheReason)
{
    const TempFile data("1  0 0");
    LiveSession live(data.path());
    const std::pair<QString, QString> cases[] = {{QString::fromStdString(data.folder().string()), "directory"},
                                                 {"/dev/full", "No space left on device"}};
    for (const auto& [path, reason] : cases) {
        SessionRecorder recorder(live.session, [](const std::string&) {});
        try {
            recorder.Begin(path);
            ADD_FAILURE() << path.toStdString() << " was taken";
        } catch (const WriteError& failure) {
            EXPECT_TRUE(QString(failure.what()).contains(reason, Qt::CaseInsensitive))
                << path.toStdString() << ": " << failure.what();
        }
    }
}
