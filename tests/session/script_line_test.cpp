#include "session/script_line.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand ReadBack(const std::string& line)
{
    const auto commands = ParseScript(line + "\n", "s.txt");
    EXPECT_EQ(commands.size(), 1u) << line;
    ScriptCommand command = commands.empty() ? ScriptCommand{} : commands.front();
    command.line = 0;
    return command;
}

std::string Refusal(const ScriptCommand& command)
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
    ScriptCommand ticks = ScriptCommand::Event(Kind::Tick);
    ticks.count = 0;
    const std::vector<ScriptCommand> commands = {
        ScriptCommand::Event(Kind::Size, 1, 16384),
        ScriptCommand::WithText(Kind::Density, ""),
        ScriptCommand::WithText(Kind::Density, " 2.5 # \t not a comment "),
        ScriptCommand::WithText(Kind::Density, "1\r2"),
        ScriptCommand::Event(Kind::StartStop),
        ScriptCommand::Event(Kind::Tick),
        ticks,
        ScriptCommand::Event(Kind::Press, INT_MIN, INT_MAX),
        ScriptCommand::Event(Kind::Release, -1, 0),
        ScriptCommand::Event(Kind::Step),
        ScriptCommand::Event(Kind::Reload),
        ScriptCommand::WithText(Kind::Open, "/a folder/#data.txt"),
        ScriptCommand::Event(Kind::State),
        ScriptCommand::WithText(Kind::Frame, "out/a b.png"),
        ScriptCommand::Event(Kind::Pause),
    };
    for (const ScriptCommand& command : commands)
        EXPECT_EQ(ReadBack(ScriptLine(command)), command) << ScriptLine(command);
    EXPECT_EQ(ScriptLine(ScriptCommand::Event(Kind::Tick)), "tick");
}

TEST(ScriptLine, RefusesWhatALineCannotHold)
{
    EXPECT_EQ(Refusal(ScriptCommand::WithText(Kind::Density, "1\n2")),
              "the density text \"1\\x0A2\" holds a line break");
    EXPECT_EQ(Refusal(ScriptCommand::WithText(Kind::Density, "2\r")), "the density text \"2\\x0D\" holds a line break");
    EXPECT_EQ(Refusal(ScriptCommand::WithText(Kind::Open, "data.txt ")),
              "the data file's path \"data.txt \" is empty or starts or ends with a blank");
    EXPECT_NE(Refusal(ScriptCommand::WithText(Kind::Open, "")).find("is empty"), std::string::npos);
    EXPECT_NE(Refusal(ScriptCommand::WithText(Kind::Frame, "a\nb.png")).find("line break"), std::string::npos);
    EXPECT_EQ(Refusal(ScriptCommand::Event(Kind::Size, 0, 10)),
              "the drawing area's size 0 x 10 is outside 1 to 16384 pixels a side");
    EXPECT_NE(Refusal(ScriptCommand::Event(Kind::Size, 10, 16385)).find("outside"), std::string::npos);
}

TEST(ScriptLine, SpeedAndViewReadBackExactly)
{
    std::vector<ScriptCommand> commands;
    for (double speed : {kSlowestSpeed, kFastestSpeed, 1.0 / 3.0, 0.1 + 0.2, std::nextafter(4.0, 0.0)}) {
        ScriptCommand command = ScriptCommand::Event(Kind::Speed);
        command.speed = speed;
        commands.push_back(command);
    }
    for (Overlay overlay : kEveryOverlay) {
        for (bool on : {false, true}) {
            ScriptCommand command = ScriptCommand::Event(Kind::View);
            command.overlay = overlay;
            command.on = on;
            commands.push_back(command);
        }
    }
    for (const ScriptCommand& command : commands)
        EXPECT_EQ(ReadBack(ScriptLine(command)), command) << ScriptLine(command);
    EXPECT_EQ(ScriptLine(commands[0]), "speed 0.125");
    EXPECT_EQ(ScriptLine(commands.back()), "view axes on");

    ScriptCommand tooFast = ScriptCommand::Event(Kind::Speed);
    tooFast.speed = std::nextafter(4.0, 5.0);
    EXPECT_NE(Refusal(tooFast).find("is outside 0.125 to 4"), std::string::npos);
    tooFast.speed = std::nan("");
    EXPECT_NE(Refusal(tooFast).find("is outside 0.125 to 4"), std::string::npos);
}
