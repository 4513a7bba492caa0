#include "session/description.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "session/keyboard_push.h"
#include "session/narration.h"
#include "tests/session/scripted_session.h"

TEST(Description, NumbersAreRoundedForAListener)
{
    const struct {
        double value;
        const char* heard;
    } table[] = {{0.0432, "0.043"}, {3.21, "3.2"}, {-3.25, "-3.3"},       {9.96, "10.0"},       {48.3, "48"},
                 {102.7, "103"},    {-0.0, "0"},   {-0.0004, "-0.00040"}, {123456.4, "123456"}, {1234567, "1.2e+06"}};
    for (const auto& row : table) EXPECT_EQ(English(Sentence{"%1", {Spoken(row.value)}}), row.heard) << row.value;
    EXPECT_EQ(FillIn("%2 %1 %3 100%", {"a", "b"}), "b a %3 100%");
    const char* const ways[] = {"to the right", "up and to the right",  "up",   "up and to the left",
                                "to the left",  "down and to the left", "down", "down and to the right"};
    for (int eighth = 0; eighth < 8; ++eighth)
        for (const double off : {-0.38, 0.0, 0.38}) {  // radians: within 22.5° of the direction
            const double angle = eighth * std::numbers::pi / 4 + off;
            EXPECT_STREQ(DirectionOf(2 * std::cos(angle), 2 * std::sin(angle)).text, ways[eighth]) << angle;
        }
}

// What a listener hears of the body, at rest and running, and of each event.
TEST(Description, TellsWhatTheBodyDoesAndEachEvent)
{
    ScriptedSession s;
    Narration narration(s.session);
    EXPECT_EQ(English(DescribeBody(s.session)),
              "At rest. The body is at (100, 60), not moving. It does not turn. The nearest wall is the bottom one, "
              "60 units away.");
    narration.Refused({.kind = CommandKind::Density, .text = "0."}, Refusal::DensityText);
    s.Run("press 440 292\nrelease 440 292\n");
    EXPECT_EQ(English(narration.TakeEvents()),
              "The density \"0.\" is refused; the body keeps density 1. Pushed particle 1 with no force: released "
              "where the push starts.");

    s.Run("press 440 292\nrelease 470 262\nstartstop\ntick 3\ncoast\n");
    EXPECT_EQ(English(narration.TakeEvents()),
              "Pushed particle 1 with a force of 42 pointing up and to the right. Coasting: no force or torque acts "
              "any more.");
    s.Run("press 440 292\nrelease 470 262\n");
    EXPECT_EQ(English(DescribeBody(s.session)),
              "Running, time 0.6. The body is at (101, 61), moving up and to the right at 4.1 units per time unit. "
              "It turns counter-clockwise, once every 55 time units. A force of 39 pushes it up and to the right. "
              "A torque of 130 turns it counter-clockwise. The wall ahead is the top one, 77 units away.");

    narration.Refused({.kind = CommandKind::Seek, .count = 7}, Refusal::Command);
    narration.Refused({.kind = CommandKind::Tick}, Refusal::Command);
    narration.Refused({.kind = CommandKind::Reload}, Refusal::DataFile);
    EXPECT_EQ(English(narration.TakeEvents()),
              "Step 7 is not kept. Step 4 could not be taken: its numbers would not be finite. The body stays as "
              "it was. The data file is refused; the body stays as it was.")
        << "only the last " << Narration::kMostEvents << " are kept";
}

// A bounce is told on the step that takes the body beyond a wall, naming
// that wall, and not again while the steps after it still end there.
TEST(Description, TellsABounceOnceAndWhichWall)
{
    const struct {
        const char* release;  // particle 0 is pressed at (440, 292)
        const char* heard;
    } walls[] = {{"release 400 292", "It bounced off the left wall."},
                 {"release 480 292", "It bounced off the right wall."},
                 {"release 440 252", "It bounced off the top wall."},
                 {"release 440 332", "It bounced off the bottom wall."}};
    for (const auto& wall : walls) {
        SCOPED_TRACE(wall.release);
        ScriptedSession s;
        Narration narration(s.session);
        s.Run(std::string("press 440 292\n") + wall.release + "\nstartstop\n");
        narration.TakeEvents();
        std::string events;
        while (events.empty() && s.Value("steps") < 200) {
            s.Run("tick\n");
            events = English(narration.TakeEvents());
        }
        EXPECT_EQ(events, wall.heard);
        // Where the body is says the same, independently of the narration.
        const double x = s.Value("position[0]"), y = s.Value("position[1]");
        const bool beyond[] = {x <= 0, x * 4 >= 879, y * 4 >= 552, y <= 0};
        EXPECT_TRUE(beyond[&wall - walls]) << x << ", " << y;
        EXPECT_EQ(English(DescribeBody(s.session)).substr(0, 10), "Running, t");
        s.Run("tick 3\n");
        EXPECT_EQ(English(narration.TakeEvents()), "");
    }
}
