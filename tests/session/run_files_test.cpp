#include "session/run_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/test_files.h"

namespace {

// What writing `path` meets: "free", or the refusal.
std::string Meets(const RunFiles& files, const std::filesystem::path& path, const std::filesystem::path& inUse = {})
{
    try {
        files.CheckOutput(path, inUse);
        return "free";
    } catch (const FileClash& clash) {
        return clash.what();
    }
}

}  // namespace

// A file is the same whatever names it; one not there yet is known by its
// full path, so that two outputs that will create it clash too.
TEST(RunFiles, AnOutputClashesWithAnyFileOfTheRunByWhatItIs)
{
    const TempFile data("1  0 0");
    const std::filesystem::path& folder = data.folder();
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_hard_link(data.path(), folder / "hard.txt");
    std::filesystem::create_symlink(data.path(), folder / "link.txt");
    const TempFile script("state\n", "s.txt");
    const int scriptOnStandardInput = ::open(script.path().c_str(), O_RDONLY | O_CLOEXEC);

    RunFiles files;
    files.AddInput("the data file (--data)", data.path());
    files.AddOpenInput("the script (standard input)", scriptOnStandardInput);
    files.AddOutput("the CSV data (--csv)", folder / "run.csv");
    EXPECT_THROW(files.AddOutput("the recording (--record)", folder / "sub" / ".." / "run.csv"), FileClash);
    EXPECT_THROW(files.AddOpenOutput("standard output", scriptOnStandardInput), FileClash);

    const std::pair<std::filesystem::path, std::string> cases[] = {
        {data.path(), "it is also the data file (--data)"},
        {folder / "sub" / ".." / "data.txt", "it is also the data file (--data)"},
        {folder / "hard.txt", "it is also the data file (--data)"},
        {folder / "link.txt", "it is also the data file (--data)"},
        {std::filesystem::relative(script.path()), "it is also the script (standard input)"},
        {folder / "run.csv", "it is also the CSV data (--csv)"},
        {folder / "other.csv", "free"},
    };
    for (const auto& [path, meets] : cases) EXPECT_EQ(Meets(files, path), meets) << path;

    // Once it is there, the output is known by what it is.
    std::filesystem::copy_file(data.path(), folder / "run.csv");
    std::filesystem::create_symlink(folder / "run.csv", folder / "run-link.csv");
    EXPECT_EQ(Meets(files, folder / "run-link.csv"), "it is also the CSV data (--csv)");
    EXPECT_EQ(Meets(files, folder / "other.csv", folder / "other.csv"), "it is also the data file in use");
    ::close(scriptOnStandardInput);
}
