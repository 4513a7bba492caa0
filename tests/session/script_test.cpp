#include "session/script.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

using Kind = CommandKind;

std::string Refusal(std::string_view script)
{
    try {
        ParseScript(script, "s.txt");
    } catch (const ScriptUsageError& error) {
        return error.what();
    }
    return "accepted";
}

}  // namespace

TEST(ParseScript, EveryCommandWithItsArguments)
{
    const auto commands = ParseScript(
        "size 300 200\n"
        "density  2.5 # not a comment\n"
        "density\n"
        "startstop\n"
        "tick\n"
        "tick 40   # forty periods\n"
        "press -5 2147483647\n"
        "release 10 -2147483648\n"
        "state\n"
        "frame out/a b.png\n",
        "s.txt");
    ASSERT_EQ(commands.size(), 10u);
    EXPECT_EQ(commands[0].kind, Kind::Size);
    EXPECT_EQ(commands[0].x, 300);
    EXPECT_EQ(commands[0].y, 200);
    EXPECT_EQ(commands[1].kind, Kind::Density);
    EXPECT_EQ(commands[1].text, " 2.5 # not a comment");
    EXPECT_EQ(commands[2].text, "");
    EXPECT_EQ(commands[3].kind, Kind::StartStop);
    EXPECT_EQ(commands[4].count, 1);
    EXPECT_EQ(commands[5].count, 40);
    EXPECT_EQ(commands[6].kind, Kind::Press);
    EXPECT_EQ(commands[6].x, -5);
    EXPECT_EQ(commands[6].y, INT_MAX);
    EXPECT_EQ(commands[7].kind, Kind::Release);
    EXPECT_EQ(commands[7].y, INT_MIN);
    EXPECT_EQ(commands[8].kind, Kind::State);
    EXPECT_EQ(commands[9].text, "out/a b.png");
    EXPECT_EQ(commands[9].line, 10);
}

TEST(ParseScript, CommentsBlankLinesAndLineEndings)
{
    const auto commands = ParseScript("# heading\r\n\r\n   \n  # indented\nstate\r\n\tstartstop", "s.txt");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].line, 5);
    EXPECT_EQ(commands[1].kind, Kind::StartStop);
    EXPECT_EQ(commands[1].line, 6);
    EXPECT_EQ(ParseScript("density 3\r\n", "s.txt")[0].text, "3");
}

TEST(ParseScript, UsageErrorsNameFileLineAndProblem)
{
    EXPECT_EQ(Refusal("state\n\nwiggle 3\n"), "s.txt:3: unknown command \"wiggle\"");
    EXPECT_EQ(Refusal("State"), "s.txt:1: unknown command \"State\"");
    EXPECT_EQ(Refusal("size 0 10"), "s.txt:1: 'size' takes a width and a height in pixels, each from 1 to 16384");
    EXPECT_EQ(Refusal("size 10"), Refusal("size 0 10"));
    EXPECT_EQ(Refusal("tick -1"), "s.txt:1: 'tick' takes an optional count of timer periods from 0 to 1000000000");
    EXPECT_EQ(Refusal("tick 1 2"), Refusal("tick -1"));
    EXPECT_EQ(Refusal("press 1.5 2"), "s.txt:1: 'press' takes a pixel column and row, whole numbers");
    EXPECT_EQ(Refusal("release 1 2147483648"), "s.txt:1: 'release' takes a pixel column and row, whole numbers");
    EXPECT_EQ(Refusal("state now"), "s.txt:1: 'state' takes no arguments");
    EXPECT_EQ(Refusal("frame   "), "s.txt:1: 'frame' takes the path of the PNG file to write");
}

TEST(ParseScript, StepReloadAndOpen)
{
    const auto commands = ParseScript("step\nreload # again\nopen  other data.txt # kept\n", "s.txt");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].kind, Kind::Step);
    EXPECT_EQ(commands[1].kind, Kind::Reload);
    EXPECT_EQ(commands[2].kind, Kind::Open);
    EXPECT_EQ(commands[2].text, "other data.txt # kept");
    EXPECT_EQ(Refusal("step 2"), "s.txt:1: 'step' takes no arguments");
    EXPECT_EQ(Refusal("reload x"), "s.txt:1: 'reload' takes no arguments");
    EXPECT_EQ(Refusal("open \t"), "s.txt:1: 'open' takes the path of a data file");
    // The system would take a path only up to a NUL, and so another file.
    using namespace std::string_literals;
    EXPECT_EQ(Refusal("open data.txt\0junk"s),
              "s.txt:1: 'open' takes the path of a data file, which cannot hold a NUL byte");
    EXPECT_EQ(Refusal("frame a.png\0"s),
              "s.txt:1: 'frame' takes the path of the PNG file to write, which cannot hold a NUL byte");
}

TEST(ParseScript, PauseSpeedAndView)
{
    const auto commands = ParseScript(
        "pause # frozen\nspeed 0.125\nspeed 4\nspeed 2.5e-1 # a quarter\nview trail on\nview  axes\toff\n", "s.txt");
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands[0].kind, Kind::Pause);
    EXPECT_EQ(commands[1].kind, Kind::Speed);
    EXPECT_EQ(commands[1].speed, 0.125);
    EXPECT_EQ(commands[2].speed, 4.0);
    EXPECT_EQ(commands[3].speed, 0.25);
    EXPECT_EQ(commands[4].kind, Kind::View);
    EXPECT_EQ(commands[4].overlay, Overlay::Trail);
    EXPECT_TRUE(commands[4].on);
    EXPECT_EQ(commands[5].overlay, Overlay::Axes);
    EXPECT_FALSE(commands[5].on);

    const std::string speed = "s.txt:1: 'speed' takes a number from 0.125 to 4, such as 0.5 or 2";
    for (const char* bad : {"speed", "speed 1 2", "speed 0.124", "speed 4.000000000000001", "speed 0", "speed -1",
                            "speed 1,5", "speed inf", "speed nan", "speed 0x1", "speed 1e400"})
        EXPECT_EQ(Refusal(bad), speed) << bad;
    EXPECT_EQ(Refusal("pause now"), "s.txt:1: 'pause' takes no arguments");
    const std::string view =
        "s.txt:1: 'view' takes an overlay (com, velocity, force, omega, trail or axes) and on or off";
    for (const char* bad : {"view com", "view Trail on", "view com ON", "view com on off", "view mass on"})
        EXPECT_EQ(Refusal(bad), view) << bad;
}
