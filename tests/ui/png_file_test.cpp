#include "ui/png_file.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include <QImage>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include "tests/test_files.h"
#include "session/script.h"
#include "ui/Unit1.h"
#include "ui/live_session.h"
#include "ui/image_view.h"
#include "ui/script_runner.h"
#include "ui/session_recorder.h"

namespace {

// "written", or why not.
template <typename Write>
std::string Written(Write write)
{
    try {
        write();
        return "written";
    } catch (const WriteError& failure) {
        return failure.what();
    }
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t EntriesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// A disk that takes this many bytes and then no more.
ssize_t HalfThenFull(int descriptor, const void* bytes, std::size_t count)
{
    if (count > 1) return ::write(descriptor, bytes, count / 2);
    errno = ENOSPC;
    return -1;
}
ssize_t TakesNothing(int, const void*, std::size_t) { return 0; }

// A small file system of our own, filled up, for the real thing; where no
// file system can be mounted (no privilege), the tests that need one skip.
class FullDisk : public testing::Test {
protected:
    void SetUp() override
    {
        if (::mount("rbd-full", disk_.folder().c_str(), "tmpfs", 0, "size=256k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
        mounted_ = true;
        good_ = disk_.folder() / "good.png";
        QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(good_.string()), "PNG");
        before_ = ReadFile(good_);
        std::ofstream filler(disk_.folder() / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
    }
    void TearDown() override
    {
        if (mounted_) ::umount2(disk_.folder().c_str(), MNT_DETACH);
    }
    void MakeReadOnly()
    {
        std::filesystem::remove(disk_.folder() / "filler");
        ASSERT_EQ(::mount(nullptr, disk_.folder().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    }
    // The good picture is still there, whole, and nothing was left beside it.
    void ExpectUntouched(std::size_t entries = 2)
    {
        EXPECT_EQ(ReadFile(good_), before_);
        EXPECT_EQ(EntriesIn(disk_.folder()), entries);
    }

    TempFile disk_{""};
    TempFile data_{"2  0 0  2 0"};
    bool mounted_ = false;
    std::filesystem::path good_;
    std::string before_;
};

}  // namespace

// Output faults, through the one call that writes: whatever the disk does,
// the file written over stays whole and the reason comes back.
TEST(WriteFileAside, AFailedWriteLeavesTheOldFileWholeAndSaysWhy)
{
    const TempFile old("the old picture", "shot.png");
    for (const WriteCall write : {&HalfThenFull, &TakesNothing}) {
        EXPECT_EQ(Written([&] { WriteFileAside(old.path().string(), std::string(10000, 'n'), write); }),
                  "No space left on device");
        EXPECT_EQ(ReadFile(old.path()), "the old picture");
        EXPECT_EQ(EntriesIn(old.folder()), 1u);
    }
    EXPECT_EQ(Written([&] { WriteFileAside(old.path().string(), std::string(10000, 'n')); }), "written");
    EXPECT_EQ(ReadFile(old.path()), std::string(10000, 'n'));
    EXPECT_EQ(EntriesIn(old.folder()), 1u);

    EXPECT_EQ(Written([&] { WriteFileAside((old.folder() / "missing" / "a.png").string(), "x"); }),
              "No such file or directory");
    EXPECT_EQ(Written([] { WriteFileAside("/dev/full", "x"); }),
              "it is not a regular file (a folder, a device or a pipe is never written over)");
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

// A link is written through, to the file it points to, and a file that may
// not be written is refused even where the system would let it be replaced.
TEST(WriteFileAside, WritesThroughALinkButNeverOverAReadOnlyFile)
{
    const TempFile target("old", "target.csv");
    const std::filesystem::path link = target.folder() / "link.csv";
    std::filesystem::create_symlink(target.path(), link);
    EXPECT_EQ(Written([&] { WriteFileAside(link.string(), "new"); }), "written");
    EXPECT_EQ(ReadFile(target.path()), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    ASSERT_EQ(::chmod(target.path().c_str(), 0444), 0);
    const std::string reason = Written([&] { WriteFileAside(link.string(), "newer"); });
    EXPECT_TRUE(reason == "it is read-only: its permissions let no one write it" || reason == "Permission denied")
        << reason;
    EXPECT_EQ(ReadFile(target.path()), "new");
    EXPECT_EQ(std::filesystem::status(target.path()).permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(EntriesIn(target.folder()), 2u);
}

TEST_F(FullDisk, SavingOverAPictureKeepsItAndReportsTheReason)
{
    std::vector<std::string> errors;
    LiveSession live(data_.path());
    TForm1 window(live, [&](const std::string& message) { errors.push_back(message); });
    window.FormCreate();
    window.SavePicture(QString::fromStdString(good_.string()));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "cannot write the picture '" + good_.string() + "': No space left on device");
    ExpectUntouched();
}

TEST_F(FullDisk, ScriptFramesFailWithTheReasonAndAFailureCode)
{
    std::ostringstream out, err;
    const auto commands = ParseScript("frame " + good_.string() + "\nstartstop\ntick 3\n", "s");
    const std::string frames = (disk_.folder() / "frames").string();
    EXPECT_EQ(RunScript(commands, data_.path(), QString::fromStdString(frames), out, err), 1);
    // One message for the frames, which then stop; one for the frame asked for.
    EXPECT_EQ(err.str(), "line 0: error: cannot write the picture '" + frames +
                             "/frame-000001.png': No space left on device\n"
                             "line 0: error: no further frames are written to '" +
                             frames +
                             "'\n"
                             "line 1: error: cannot write the picture '" +
                             good_.string() + "': No space left on device\n");
    ExpectUntouched(3);
    EXPECT_EQ(EntriesIn(frames), 0u);
}

TEST_F(FullDisk, AReadOnlyFramesFolderIsReportedOnce)
{
    const std::filesystem::path frames = disk_.folder() / "frames";
    std::filesystem::create_directory(frames);
    MakeReadOnly();
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(ParseScript("startstop\ntick 5\n", "s"), data_.path(), QString::fromStdString(frames.string()),
                        out, err),
              1);
    EXPECT_EQ(err.str(), "line 0: error: cannot write the picture '" + frames.string() +
                             "/frame-000001.png': Read-only file system\n"
                             "line 0: error: no further frames are written to '" +
                             frames.string() + "'\n");
}

// A recording that cannot start leaves an earlier one whole, and says why.
TEST_F(FullDisk, ARecordingThatCannotStartSaysWhy)
{
    LiveSession live(data_.path());
    for (const auto& [path, reason] : {std::pair<std::string, std::string>{good_.string(), "No space left on device"},
                                       {"/dev/full", "No space left on device"}}) {
        SessionRecorder recorder(live.session, [](const std::string&) {});
        const QString target = QString::fromStdString(path);
        EXPECT_EQ(Written([&] { recorder.Begin(target); }), reason) << path;
    }
    ExpectUntouched();
}
