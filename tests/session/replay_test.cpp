#include "session/replay.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "session/state_json.h"
#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"
#include "tests/session/scripted_session.h"

namespace {

const std::filesystem::path kDefaultData = RBD_SOURCE_DIR "/data.txt";

struct Output {
    std::string states;
    std::string errors;
    int code = 0;
};

Output Replayed(std::string_view script, const std::filesystem::path& data = kDefaultData)
{
    RecordingCanvas canvas(879, 552);
    Session session(canvas, data);
    std::ostringstream out, err;
    Output result;
    result.code = ReplayScript(session, ParseScript(script, "test"), out, err);
    result.states = out.str();
    result.errors = err.str();
    return result;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The window's rules written out again with the library alone: what a replay
// must match bit for bit.
std::string DirectRun(const std::vector<Command>& commands, std::filesystem::path data)
{
    SimulationContext s;
    std::string density = "1";
    bool running = false;
    int width = 879, height = 552;
    RecordingCanvas canvas(width, height);
    TextCells cells;
    auto setupFrom = [&](const std::filesystem::path& file) {
        try {
            SetupBody(s.body, s.settings, density, file);
            s.steps = 0;
            return true;
        } catch (const SetupError&) {
            return false;
        }
    };
    auto setup = [&] { return setupFrom(data); };
    setup();
    std::string states;
    for (const Command& c : commands) {
        switch (c.kind) {
        case CommandKind::Size:
            width = c.x, height = c.y, canvas = RecordingCanvas(width, height);
            break;
        case CommandKind::Density:
            if (c.text != density) {
                density = c.text;
                running = false;
                setup();
            }
            break;
        case CommandKind::StartStop:
            if (!running || setup()) running = !running;
            break;
        case CommandKind::Tick:
            for (long long i = 0; i < c.count && running; ++i, ++s.steps)
                StepBody(s.body, s.settings, 0.2, width, height);
            break;
        case CommandKind::Press:
            PressAt(s.drag, s.body, s.settings, height, c.x, c.y);
            break;
        case CommandKind::Release:
            ReleaseAt(s.drag, s.body, s.settings, canvas, cells, c.x, c.y);
            break;
        case CommandKind::Step:
            if (!running) StepBody(s.body, s.settings, 0.2, width, height), ++s.steps;
            break;
        case CommandKind::Reload:
            running = false;
            setup();
            break;
        case CommandKind::Open:
            if (setupFrom(c.text)) {
                running = false;
                data = c.text;
            }
            break;
        case CommandKind::State:
            states += StateJson(s, running, height) + "\n";
            break;
        case CommandKind::Pause:
            // Freezes the body as it is, or lets it go on.
            running = !running;
            break;
        case CommandKind::Speed:
        case CommandKind::View:
        case CommandKind::Frame:
            break;
        }
    }
    return states;
}

}  // namespace

TEST(Replay, MatchesTheLibraryBitForBit)
{
    for (const char* name : {"push-and-bounce.txt", "spin.txt", "density.txt", "pause-and-look.txt"}) {
        const std::string script = ReadFile(std::filesystem::path(RBD_SOURCE_DIR) / "examples" / name);
        const Output replayed = Replayed(script);
        EXPECT_GE(std::count(replayed.states.begin(), replayed.states.end(), '\n'), 3) << name;
        EXPECT_EQ(replayed.states, DirectRun(ParseScript(script, name), kDefaultData)) << name;
    }

    const TempFile data(kTwoParticles);
    const TempFile other("3  0 0  10 0  0 30", "other.txt");
    const std::string script =
        "press 440 292\nrelease 470 250\nstep\nstep\nstate\nstartstop\ntick 3\nstep\nstate\nopen " +
        other.path().string() + "\nstate\nstartstop\ntick 2\nopen " + (other.folder() / "absent.txt").string() +
        "\nstate\nreload\nstate\nsize 300 400\npress 1 1\nrelease 5 5\nstate\n";
    const Output replayed = Replayed(script, data.path());
    EXPECT_EQ(std::count(replayed.states.begin(), replayed.states.end(), '\n'), 6);
    EXPECT_EQ(replayed.states, DirectRun(ParseScript(script, "s"), data.path()));
    EXPECT_EQ(replayed.errors.rfind("line 14: error: cannot open data file", 0), 0u) << replayed.errors;
}

TEST(Replay, ErrorsAreReportedByLineAndTheReplayGoesOn)
{
    const TempFile folder("");
    const Output missing = Replayed("state\ndensity 3\n", folder.folder() / "none.txt");
    EXPECT_EQ(missing.errors.rfind("line 0: error: cannot open data file", 0), 0u) << missing.errors;
    EXPECT_NE(missing.errors.find("line 2: error: cannot open data file"), std::string::npos) << missing.errors;
    EXPECT_EQ(StateValue(missing.states, "particleCount"), 8);
    EXPECT_EQ(missing.code, 0);

    // A program that draws no pictures says so, and fails.
    const Output bad = Replayed("startstop\ndensity x\nstate\nframe a.png\nstate\n");
    EXPECT_EQ(bad.errors,
              "line 2: error: density \"x\" is not a number: enter a positive number, such as 1 or 2.5\n"
              "line 4: error: cannot write the picture 'a.png': this program draws no pictures\n");
    EXPECT_EQ(std::count(bad.states.begin(), bad.states.end(), '\n'), 2);
    EXPECT_EQ(bad.code, 1);
}

// A state line lost on the way out is a failure, said once, and the replay
// goes on to say what else it meets.
TEST(Replay, ALostStateLineIsReportedOnceAndFails)
{
    RecordingCanvas canvas(879, 552);
    Session session(canvas, kDefaultData);
    std::ostream lost(nullptr);
    std::ostringstream err;
    EXPECT_EQ(ReplayScript(session, ParseScript("startstop\nstate\ntick\nstate\ndensity x\nstate\n", "s"), lost, err),
              1);
    EXPECT_EQ(err.str(),
              "line 2: error: cannot write to standard output; no further state lines are written\n"
              "line 5: error: density \"x\" is not a number: enter a positive number, such as 1 or 2.5\n");
}
