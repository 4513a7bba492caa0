#include "session/script_line.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "session/script.h"
#include "session/speed.h"

namespace {

using Kind = CommandKind;

Command ReadBack(const std::string& line)
{
    const auto commands = ParseScript(line + "\n", "s.txt");
    EXPECT_EQ(commands.size(), 1u) << line;
    Command command = commands.empty() ? Command{} : commands.front();
    command.line = 0;
    return command;
}

std::string Refusal(const Command& command)
{
    try {
        return "accepted: " + ScriptLine(command);
    } catch (const UnwritableCommand& error) {
        return error.what();
    }
}

}  // namespace

TEST(ScriptLine, EveryCommandReadsBackAsItself)
{
    Command ticks = Command{.kind = Kind::Tick};
    ticks.count = 0;
    const std::vector<Command> commands = {
        Command{.kind = Kind::Size, .x = 1, .y = 16384},
        Command{.kind = Kind::Density, .text = ""},
        Command{.kind = Kind::Density, .text = " 2.5 # \t not a comment "},
        Command{.kind = Kind::Density, .text = "1\r2"},
        Command{.kind = Kind::StartStop},
        Command{.kind = Kind::Tick},
        ticks,
        Command{.kind = Kind::Press, .x = INT_MIN, .y = INT_MAX},
        Command{.kind = Kind::Release, .x = -1, .y = 0},
        Command{.kind = Kind::Step},
        Command{.kind = Kind::Reload},
        Command{.kind = Kind::Open, .text = "/a folder/#data.txt"},
        Command{.kind = Kind::State},
        Command{.kind = Kind::Frame, .text = "out/a b.png"},
        Command{.kind = Kind::Pause},
    };
    for (const Command& command : commands) EXPECT_EQ(ReadBack(ScriptLine(command)), command) << ScriptLine(command);
    EXPECT_EQ(ScriptLine(Command{.kind = Kind::Tick}), "tick");
}

TEST(ScriptLine, RefusesWhatALineCannotHold)
{
    EXPECT_EQ(Refusal(Command{.kind = Kind::Density, .text = "1\n2"}),
              "the density text \"1\\x0A2\" holds a line break");
    EXPECT_EQ(Refusal(Command{.kind = Kind::Density, .text = "2\r"}), "the density text \"2\\x0D\" holds a line break");
    EXPECT_EQ(Refusal(Command{.kind = Kind::Open, .text = "data.txt "}),
              "the data file's path \"data.txt \" is empty or starts or ends with a blank");
    EXPECT_NE(Refusal(Command{.kind = Kind::Open, .text = ""}).find("is empty"), std::string::npos);
    EXPECT_NE(Refusal(Command{.kind = Kind::Frame, .text = "a\nb.png"}).find("line break"), std::string::npos);
    EXPECT_EQ(Refusal(Command{.kind = Kind::Size, .x = 0, .y = 10}),
              "the drawing area's size 0 x 10 is outside 1 to 16384 pixels a side");
    EXPECT_NE(Refusal(Command{.kind = Kind::Size, .x = 10, .y = 16385}).find("outside"), std::string::npos);
}

TEST(ScriptLine, SpeedAndViewReadBackExactly)
{
    std::vector<Command> commands;
    for (double speed : {kSlowestSpeed, kFastestSpeed, 1.0 / 3.0, 0.1 + 0.2, std::nextafter(4.0, 0.0)}) {
        commands.push_back({.kind = Kind::Speed, .speed = speed});
    }
    for (const OverlayEntry& entry : kOverlayTable)
        for (bool on : {false, true}) commands.push_back({.kind = Kind::View, .overlay = entry.overlay, .on = on});
    for (const Command& command : commands) EXPECT_EQ(ReadBack(ScriptLine(command)), command) << ScriptLine(command);
    EXPECT_EQ(ScriptLine(commands[0]), "speed 0.125");
    EXPECT_EQ(ScriptLine(commands.back()), "view principal on");

    Command tooFast = Command{.kind = Kind::Speed};
    tooFast.speed = std::nextafter(4.0, 5.0);
    EXPECT_NE(Refusal(tooFast).find("is outside 0.125 to 4"), std::string::npos);
    tooFast.speed = std::nan("");
    EXPECT_NE(Refusal(tooFast).find("is outside 0.125 to 4"), std::string::npos);
}
