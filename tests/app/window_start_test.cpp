#include "app/window_start.h"

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "session/script.h"

namespace {

std::optional<std::filesystem::path> Guess(const std::vector<std::string>& arguments)
{
    std::vector<const char*> argv{"rigid-body"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    return PlainWindowDataFile(argv);
}

// The window's own reading of the line, or nothing where it refuses it.
std::unique_ptr<CommandLine> WindowReading(const std::vector<std::string>& arguments)
{
    QStringList line{QStringLiteral("rigid-body")};
    for (const std::string& argument : arguments) line << QString::fromStdString(argument);
    try {
        return std::make_unique<CommandLine>(line);
    } catch (const UsageError&) {
        return nullptr;
    }
}

}  // namespace

TEST(WindowStart, GuessesOnlyTheBodyOfAPlainWindowRun)
{
    struct Case {
        std::vector<std::string> arguments;
        std::optional<std::filesystem::path> guessed;
    };
    const std::vector<Case> cases = {
        {{}, "data.txt"},
        {{"--data", "big.txt"}, "big.txt"},
        {{"--data=big.txt", "--record", "r.txt", "--csv=c.csv"}, "big.txt"},
        {{"--data", "a.txt", "--data", "b.txt"}, "b.txt"},
        // The value of --record, however it looks, is no option of its own.
        {{"--record", "--data"}, "data.txt"},
        {{"--data"}, std::nullopt},
        {{"--data="}, std::nullopt},
        {{"--lesson", "l.toml"}, std::nullopt},
        {{"--data", "b.txt", "--lesson", "l.toml"}, std::nullopt},
        {{"--script", "-"}, std::nullopt},
        {{"--help"}, std::nullopt},
        {{"-data", "b.txt"}, std::nullopt},
        {{"b.txt"}, std::nullopt},
        {{"--", "--data", "b.txt"}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(Guess(c.arguments), c.guessed) << testing::PrintToString(c.arguments);
}

// A guess begins reading a body before the window reads its command line: it
// must be the body the window then asks for, or the reading is wasted and the
// start waits for it. Over random lines of options and values, every guess is
// the data file of a window the window's own reading opens.
TEST(WindowStart, EveryGuessIsTheBodyTheWindowOpens)
{
    const std::vector<std::string> words = {"--data", "--data=a.txt", "--data=",        "--record", "--record=r.txt",
                                            "--csv",  "--csv=c.csv",  "--script",       "--lesson", "--frames",
                                            "--help", "--version",    "--check-lesson", "-data",    "-",
                                            "--",     "a.txt",        "b.txt",          "-x",       "--lesson=l.toml"};
    std::mt19937 random(20261208);
    int guessed = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<std::string> arguments(random() % 6);
        for (std::string& argument : arguments) argument = words[random() % words.size()];
        const auto guess = Guess(arguments);
        if (!guess) continue;
        ++guessed;
        const auto reading = WindowReading(arguments);
        ASSERT_TRUE(reading) << testing::PrintToString(arguments);
        EXPECT_FALSE(reading->Scripted() || reading->AsksForHelp() || reading->ChecksLesson() ||
                     !reading->lessonFile.isEmpty())
            << testing::PrintToString(arguments);
        EXPECT_EQ(reading->dataFile, *guess) << testing::PrintToString(arguments);
    }
    EXPECT_GT(guessed, 300);
}
