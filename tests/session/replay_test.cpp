#include "session/replay.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "session/state_json.h"
#include "sim/body_setup.h"
#include "sim/motion.h"
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

bool Finite(const RigidBody& b)
{
    std::vector<double> all = {b.orientation.w, b.orientation.x, b.orientation.y, b.orientation.z,
                               Length(b.orientation)};
    for (Vector3 v :
         {b.position, b.linearMomentum, b.angularMomentum, b.linearVelocity, b.angularVelocity, b.force, b.torque})
        all.insert(all.end(), {v.x, v.y, v.z});
    for (const Matrix3* a : {&b.rotation, &b.inverseInertia}) all.insert(all.end(), a->m.begin(), a->m.end());
    return std::all_of(all.begin(), all.end(), [](double x) { return std::isfinite(x); });
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
    std::map<long long, Motion> kept;  // by step
    auto setupFrom = [&](const std::filesystem::path& file) {
        try {
            SetupBody(s.body, s.settings, density, file);
            s.steps = 0;
            kept = {{0, MotionOf(s.body)}};
            return true;
        } catch (const SetupError&) {
            return false;
        }
    };
    auto setup = [&] { return setupFrom(data); };
    auto dropFuture = [&] { kept.erase(kept.upper_bound(s.steps), kept.end()); };
    auto step = [&] {
        dropFuture();
        RigidBody next = s.body;
        StepBody(next, s.settings, 0.2, width, height);
        if (!Finite(next)) {
            running = false;
            return;
        }
        s.body = std::move(next);
        kept[++s.steps] = MotionOf(s.body);
        while (kept.begin()->first < s.steps - 100000) kept.erase(kept.begin());
    };
    kept = {{0, MotionOf(s.body)}};
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
            for (long long i = 0; i < c.count && running; ++i) step();
            break;
        case CommandKind::Press:
            PressAt(s.drag, s.body, s.settings, height, c.x, c.y);
            break;
        case CommandKind::Release:
            if (s.drag.particleIndex >= 0 && static_cast<std::size_t>(s.drag.particleIndex) < s.body.particles.size())
                dropFuture();
            ReleaseAt(s.drag, s.body, s.settings, canvas, cells, c.x, c.y);
            break;
        case CommandKind::Step:
            if (!running) step();
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
        case CommandKind::Coast:
            dropFuture();
            s.body.force = s.body.torque = {0, 0, 0};
            break;
        case CommandKind::Seek:
            if (kept.contains(c.count)) {
                SetMotion(s.body, kept.at(c.count));
                s.steps = c.count;
                running = false;
            }
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

// Random sessions, every command among them, seeks in and out of what is kept
// (back, a push or coast there, and forward into what that dropped), and pushes
// strong enough to take the run beyond the range of numbers: the state lines
// are those of the rules written out again, bit for bit.
TEST(Replay, RandomSessionsMatchTheRulesWrittenOutAgain)
{
    std::mt19937_64 random(20261207);
    const auto below = [&](long long n) {
        return static_cast<long long>(random() % static_cast<unsigned long long>(n));
    };
    int refusedSteps = 0, seeks = 0, seeksRefused = 0;
    for (int round = 0; round < 30; ++round) {
        // The script is written as it is replayed, so that a push lands on a
        // disc and a seek knows the run.
        ScriptedSession live(ReadFile(kDefaultData));
        std::string script;
        const auto add = [&](const std::string& lines) {
            script += lines;
            live.Run(lines);
        };
        const auto push = [&] {
            const SimulationContext& s = live.session.Simulation();
            const Particle& grabbed = s.body.particles[static_cast<std::size_t>(below(8))];
            const int x = static_cast<int>(4 * (grabbed.centerOfMass.x + s.body.position.x));
            const int y = static_cast<int>(live.session.Height() - 4 * (grabbed.centerOfMass.y + s.body.position.y));
            add("press " + std::to_string(x) + " " + std::to_string(y) + "\nrelease " +
                std::to_string(x + below(801) - 400) + " " + std::to_string(y + below(801) - 400) + "\n");
        };
        const auto seek = [&](long long within) { add("seek " + std::to_string(below(within + 1)) + "\n"); };
        for (int line = 0; line < 100; ++line) {
            const long long newest = live.session.KeptHistory().Newest();
            switch (below(12)) {
            case 0:
                add("startstop\n");
                break;
            case 1:
            case 2:
                add("tick " + std::to_string(below(400)) + "\n");
                break;
            case 3:
                push();
                break;
            case 4:
                add(below(2) == 0 ? "step\n" : "pause\n");
                break;
            case 5:
                add("coast\n");
                break;
            case 6:
                seek(newest + 20);
                break;
            case 7:
                seek(newest);
                below(2) == 0 ? push() : add("coast\n");
                seek(newest);
                break;
            case 8:
                add(below(8) == 0
                        ? "density " + std::to_string(1 + below(3)) + "\n"
                        : "size " + std::to_string(300 + below(900)) + " " + std::to_string(200 + below(600)) + "\n");
                break;
            default:
                add("state\n");
            }
        }
        const Output replayed = Replayed(script);
        ASSERT_EQ(replayed.states, DirectRun(ParseScript(script, "random"), kDefaultData)) << script;
        const auto count = [](const std::string& text, const std::string& what) {
            int found = 0;
            for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; ++at) ++found;
            return found;
        };
        refusedSteps += count(replayed.errors, "was not taken");
        seeksRefused += count(replayed.errors, "is not kept");
        seeks += count(script, "seek ");
    }
    // The runs did reach the edge of the numbers, and sought both kept steps
    // and steps that were not.
    EXPECT_GT(refusedSteps, 0);
    EXPECT_GT(seeksRefused, 0);
    EXPECT_GT(seeks, seeksRefused);
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
