#include "session/session.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "session/quantities.h"
#include "session/script_line.h"
#include "sim/setup_error.h"
#include "sim/motion.h"
#include "tests/session/scripted_session.h"

namespace {

struct Heard : SessionListener {
    void Applying(const Command& command) override { lines.push_back(ScriptLine(command)); }
    void Stepped() override { ++steps; }
    void TimingChanged() override { ++timings; }

    std::vector<std::string> lines;
    int steps = 0;
    int timings = 0;
};

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

double MassOfTwoAt(double density)
{
    Particle particle;
    InitParticle(particle, {}, 1.0, density);
    return particle.mass + particle.mass;
}

}  // namespace

TEST(Session, StartingKeepsThePushedBodyAndStoppingRebuildsIt)
{
    ScriptedSession s;
    s.Run("press 440 292\nrelease 460 292\nstartstop\n");  // a push while halted
    EXPECT_EQ(s.Value("running"), 1);
    EXPECT_EQ(s.Value("force[0]"), 20);
    s.Run("tick 2\n");
    EXPECT_NE(s.Value("linearVelocity[0]"), 0);
    const double moved = s.Value("position[0]");
    s.Run("tick\n");
    EXPECT_NE(s.Value("position[0]"), moved);

    s.Run("startstop\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.Value("force[0]"), 0);
    EXPECT_EQ(s.Value("linearVelocity[0]"), 0);
    EXPECT_EQ(s.Value("steps"), 0);
    EXPECT_TRUE(s.err.str().empty()) << s.err.str();
}

// Every change of the text stops the run and rebuilds the body with it; a text
// that is no density is refused and leaves everything but the run as it was.
TEST(Session, EveryDensityEditRebuildsTheBodyAndARefusedOneKeepsIt)
{
    ScriptedSession s;
    s.Run("startstop\ndensity 15\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.Value("density"), 15);
    EXPECT_EQ(s.Value("totalMass"), MassOfTwoAt(15));
    s.Run("density 1\n");
    EXPECT_EQ(s.Value("totalMass"), MassOfTwoAt(1));

    s.Run("density 3\npress 440 292\nrelease 450 292\nstartstop\n");
    const RigidBody before = s.session.Simulation().body;
    s.canvas.calls.clear();
    s.Run("density\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.session.Simulation().body, before);
    EXPECT_EQ(s.Value("density"), 3);
    EXPECT_TRUE(s.canvas.calls.empty());  // nothing new to draw
    EXPECT_EQ(s.err.str(), "line 1: error: density \"\" is not a number: enter a positive number, such as 1 or 2.5\n");

    // Halted, Start/Stop starts with no setup; running, the refused setup
    // keeps it running, and says so each time.
    s.err.str("");
    s.Run("density x\nstartstop\nstartstop\nstartstop\n");
    EXPECT_EQ(s.Value("running"), 1);
    const std::string errors = s.err.str();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;
    EXPECT_NE(errors.find("line 3: error: density \"x\""), std::string::npos) << errors;
}

// Step is one tick of a halted body; pause freezes a run and lets it go on;
// the speed sets the timer's period and nothing else.
TEST(Session, StepPauseAndSpeed)
{
    ScriptedSession stepped, ticked;
    stepped.Run("press 440 292\nrelease 470 250\nstep\n");
    ticked.Run("press 440 292\nrelease 470 250\nstartstop\ntick\n");
    EXPECT_NE(stepped.Value("linearVelocity[0]"), 0);
    EXPECT_EQ(stepped.session.Simulation().body, ticked.session.Simulation().body);
    EXPECT_EQ(stepped.Value("steps"), 1);
    EXPECT_EQ(stepped.Value("running"), 0);
    ticked.Run("step\n");  // only while halted
    EXPECT_EQ(ticked.Value("steps"), 1);

    ticked.Run("tick 4\npause\n");
    const RigidBody frozen = ticked.session.Simulation().body;
    ticked.Run("tick 3\n");
    EXPECT_EQ(ticked.Value("running"), 0);
    EXPECT_EQ(ticked.session.Simulation().body, frozen);
    ticked.Run("step\n");
    EXPECT_EQ(ticked.Value("steps"), 6);
    ticked.Run("pause\ntick\n");
    EXPECT_EQ(ticked.Value("steps"), 7);

    const std::pair<double, int> periods[] = {{0.125, 400}, {0.25, 200}, {0.5, 100}, {1, 50}, {2, 25}, {4, 13}};
    for (auto [speed, period] : periods) {
        ticked.Run("speed " + std::to_string(speed) + "\n");
        EXPECT_EQ(ticked.session.TimerPeriod(), period) << speed;
    }
    ticked.session.Apply({.kind = CommandKind::Speed, .speed = 9});  // out of range: not applied
    EXPECT_EQ(ticked.session.Speed(), 4);
    EXPECT_EQ(ticked.Value("steps"), 7);
}

TEST(Session, ReloadAndOpenReadTheirFileAnewAndARefusalChangesNothing)
{
    ScriptedSession s;
    s.Run("startstop\n");
    s.file.Rewrite("3  0 0  10 0  0 30");
    s.Run("reload\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.Value("particleCount"), 3);

    const TempFile other("2  110 65  90 55", "other.txt");
    s.Run("startstop\nopen " + other.path().string() + "\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.Value("particleCount"), 2);
    EXPECT_EQ(s.session.DataFile(), other.path());
    s.Run("density 2\n");  // every later setup reads the file opened
    EXPECT_EQ(s.Value("particleCount"), 2);

    s.Run("press 440 292\nrelease 470 250\nstartstop\ntick\n");
    const std::string before = s.session.StateJson();
    const TempFile bad("2  1 2  3 oops", "bad.txt");
    s.Run("open " + bad.path().string() + "\nopen " + (bad.folder() / "absent.txt").string() + "\n");
    EXPECT_EQ(s.session.StateJson(), before);  // still running, too
    EXPECT_EQ(s.session.DataFile(), other.path());
    // A reload stops the run first, as a density edit does, and keeps the body.
    const RigidBody body = s.session.Simulation().body;
    other.Rewrite("2 0");
    s.Run("reload\n");
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.session.Simulation().body, body);
    const std::string errors = s.err.str();
    EXPECT_NE(errors.find("line 1: error: data file \"" + bad.path().string() + "\", line 1: \"oops\""),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("line 2: error: cannot open data file \"" + (bad.folder() / "absent.txt").string()),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("line 1: error: data file \"" + other.path().string() + "\": the count asks for 2"),
              std::string::npos)
        << errors;
}

TEST(Session, AMissingDataFileLeavesTheEmptyBodyWhichNeverMoves)
{
    const TempFile folder("");
    RecordingCanvas canvas(879, 552);
    Session session(canvas, folder.folder() / "nowhere.txt");
    std::ostringstream out, err;
    Replay replay(session, out, err, nullptr, {});
    replay.Start();
    EXPECT_EQ(
        err.str().rfind("line 0: error: cannot open data file \"" + (folder.folder() / "nowhere.txt").string(), 0), 0u)
        << err.str();
    EXPECT_EQ(StateValue(session.StateJson(), "particleCount"), 8);
    for (const char* line : {"startstop", "tick 3", "press 10 10", "release 20 20", "step"})
        replay.Run(ParseScript(line, "test").front());
    EXPECT_EQ(session.Simulation().body, RigidBody{});
}

TEST(Session, TheDataFileIsOnlyEverRead)
{
    ScriptedSession s;
    const auto bytes = [&] {
        std::ifstream in(s.file.path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string contents = bytes();
    const auto modified = std::filesystem::last_write_time(s.file.path());
    s.Run("density 2\ndensity nope\nstartstop\ntick 50\npress 440 292\nrelease 470 292\nstartstop\nreload\n");
    EXPECT_EQ(bytes(), contents);
    EXPECT_EQ(std::filesystem::last_write_time(s.file.path()), modified);
}

// The step's walls, the hit test and the drawing all follow the area's size.
TEST(Session, AResizeMovesTheWallsTheHitTestAndThePicture)
{
    ScriptedSession s;
    s.Run("press 440 292\nrelease 470 262\n");
    s.canvas.calls.clear();
    s.Run("size 300 200\n");  // the body's centre, x = 100, now lies beyond 300 / 4
    EXPECT_EQ(s.canvas.calls.at(0), "resize 300 200");
    EXPECT_EQ(s.canvas.calls.at(1), "fill 0 0 300 200");  // a clearing redraw
    // Particle 0's centre is now above the area, at (440, 200 − 260).
    s.Run("press 440 -60\nrelease 441 -60\n");
    EXPECT_EQ(s.Value("force[0]"), 31);
    EXPECT_EQ(s.Value("force[1]"), 30);
    s.Run("startstop\ntick\n");
    EXPECT_EQ(s.Value("force[0]"), -31);  // reflected
    s.Run("size 1000 700\ntick\n");
    EXPECT_EQ(s.Value("force[0]"), -31);  // inside again: not reflected
}

// Listeners hear each command applied, once, before its rules; a command that
// changes nothing is neither applied nor heard.
TEST(Session, ListenersHearEveryCommandAppliedOnce)
{
    ScriptedSession s;
    Heard heard;
    const Session::Listening listening = s.session.Listen(heard);
    s.Run(
        "press 440 292\nrelease 470 262\nstartstop\ntick 4\n"
        "pause\ntick\nspeed 0.125\nspeed 0.125\nstep\n"
        "density 1\ndensity x\ndensity x\nsize 879 552\nview com on\nview com on\n");
    EXPECT_EQ(heard.lines, (std::vector<std::string>{"press 440 292", "release 470 262", "startstop", "tick 4", "pause",
                                                     "speed 0.125", "step", "density x", "view com on"}));
    // No script line could hold it, so no one hears of it.
    using namespace std::string_literals;
    EXPECT_THROW(s.session.Apply({.kind = CommandKind::Open, .text = "data.txt\0junk"s}), SetupError);
    EXPECT_EQ(heard.lines.size(), 9u);
    EXPECT_EQ(heard.steps, 5);
    EXPECT_EQ(heard.timings, 3);                // started, paused, slowed; the edit found it halted
    EXPECT_EQ(s.canvas.calls.back(), "pen 0");  // the overlay leaves the pen black for the scene
}

// Whoever leaves while being told, from inside the news or not, the others
// hear every piece of news exactly once.
TEST(Session, ListenersMayComeAndGoWhileBeingTold)
{
    struct Counting : SessionListener {
        void Stepped() override
        {
            ++steps;
            if (onStep) onStep();
        }
        int steps = 0;
        std::function<void()> onStep;
        Session::Listening listening;
    };
    ScriptedSession s;
    Counting first, leaver, other, last, late;
    for (Counting* each : {&first, &leaver, &other, &last}) each->listening = s.session.Listen(*each);
    leaver.onStep = [&] { leaver.listening.Stop(); };
    other.onStep = [&] {
        if (other.steps == 2) last.listening.Stop();
        if (other.steps == 3) late.listening = s.session.Listen(late);
    };
    s.Run("startstop\ntick 5\n");
    EXPECT_EQ(first.steps, 5);
    EXPECT_EQ(leaver.steps, 1);
    EXPECT_EQ(other.steps, 5);
    EXPECT_EQ(last.steps, 1);
    EXPECT_EQ(late.steps, 3);  // from the step it joined in
}

// The push of the learner: under its steady torque the orientation's
// length overflows at step 431. That step is not taken, the run halts, and the
// message says why; every number stays finite.
TEST(Session, AStepBeyondTheRangeOfNumbersIsNotTakenAndTheRunHalts)
{
    ScriptedSession s(ReadFile(RBD_SOURCE_DIR "/data.txt"));
    s.Run("press 462 288\nrelease 462 238\nstartstop\ntick 900\n");
    EXPECT_EQ(s.Value("steps"), 430);
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(FirstNonFinite(MotionOf(s.session.Simulation().body)), nullptr);
    EXPECT_EQ(MotionOf(s.session.Simulation().body), s.session.KeptHistory().At(430));
    EXPECT_EQ(s.err.str().rfind("line 4: error: step 431 was not taken: the orientation's length would leave the "
                                "range of numbers (it is 5.81e+153 now). The step never normalises the orientation",
                                0),
              0u)
        << s.err.str();
    EXPECT_NE(s.err.str().find("each step turns the body by 8.96 rad."), std::string::npos) << s.err.str();
    const Motion halted = MotionOf(s.session.Simulation().body);
    s.Run("tick\nstep\n");  // halted: the tick does nothing; the step is refused again
    EXPECT_EQ(MotionOf(s.session.Simulation().body), halted);
    EXPECT_NE(s.err.str().find("line 2: error: step 431 was not taken"), std::string::npos) << s.err.str();
}

// Coast stops the pushes; seek goes back to a kept step exactly, and stepping
// on from there with nothing changed gives the very same bits again.
TEST(Session, CoastAndSeek)
{
    ScriptedSession s(ReadFile(RBD_SOURCE_DIR "/data.txt"));
    s.Run("press 462 288\nrelease 470 268\nstartstop\ntick 20\n");
    const Motion at20 = MotionOf(s.session.Simulation().body);
    const Trail trailAt20 = s.session.CentreOfMassTrail();
    s.Run("coast\n");
    const RigidBody& body = s.session.Simulation().body;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(body.force.x), 0u);  // positive zeros
    EXPECT_EQ(std::bit_cast<std::uint64_t>(body.torque.z), 0u);
    EXPECT_EQ(body.linearMomentum, at20.linearMomentum);
    EXPECT_EQ(s.Value("running"), 1);
    s.Run("tick 5\n");
    EXPECT_EQ(body.angularMomentum, at20.angularMomentum);  // no torque: L is kept

    s.Run("seek 99\n");
    EXPECT_EQ(s.err.str(), "line 1: error: step 99 is not kept: steps 0 to 25 are\n");
    EXPECT_EQ(s.Value("steps"), 25);
    s.Run("seek 20\n");
    EXPECT_EQ(MotionOf(body), at20);  // the push is back: the coast came after step 20
    EXPECT_EQ(s.Value("running"), 0);
    EXPECT_EQ(s.session.CentreOfMassTrail().points, trailAt20.points);
    s.Run("seek 12\nstep\nstep\nstep\nstep\nstep\nstep\nstep\nstep\n");
    EXPECT_EQ(MotionOf(body), at20);
    EXPECT_EQ(s.session.KeptHistory().Newest(), 20);  // the coasted run is gone
}

// A step keeps at most kMostStepsBack behind it; dropping the future keeps the
// present; a setup starts again at step 0.
TEST(History, KeepsAWindowBehindThePresent)
{
    History history;
    Motion motion;
    history.Restart(motion);
    for (long long step = 1; step <= History::kMostStepsBack + 5; ++step) {
        motion.position.x = static_cast<double>(step);
        history.Append(step, motion);
    }
    EXPECT_EQ(history.Oldest(), 5);
    EXPECT_EQ(history.Newest(), History::kMostStepsBack + 5);
    EXPECT_FALSE(history.Keeps(4));
    EXPECT_EQ(history.At(70000).position.x, 70000);
    history.DropAfter(70000);
    EXPECT_EQ(history.Newest(), 70000);
    history.Append(70001, motion);
    EXPECT_EQ(history.Oldest(), 5);
    history.Restart(Motion{});
    EXPECT_EQ(history.Oldest(), 0);
    EXPECT_EQ(history.Newest(), 0);
}

// The energies against the textbook sums, over random states.
TEST(Quantities, KineticEnergiesAreHalfMvSquaredAndHalfOmegaDotL)
{
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> any(-50, 50);
    for (int i = 0; i < 1000; ++i) {
        RigidBody body;
        body.totalMass = std::abs(any(random));
        body.linearVelocity = {any(random), any(random), any(random)};
        body.angularVelocity = {any(random), any(random), any(random)};
        body.angularMomentum = {any(random), any(random), any(random)};
        const Vector3 v = body.linearVelocity, w = body.angularVelocity, l = body.angularMomentum;
        const KineticEnergy energy = KineticEnergyOf(body);
        EXPECT_EQ(energy.linear, 0.5 * body.totalMass * (v.x * v.x + v.y * v.y + v.z * v.z));
        EXPECT_EQ(energy.rotational, 0.5 * (w.x * l.x + w.y * l.y + w.z * l.z));
        EXPECT_EQ(energy.total, energy.linear + energy.rotational);
    }
    EXPECT_EQ(SimulatedTime(6), 6 * 0.2);  // one product: a running sum drifts
    EXPECT_NE(SimulatedTime(6), 0.2 + 0.2 + 0.2 + 0.2 + 0.2 + 0.2);
    EXPECT_DOUBLE_EQ(AngleAboutZ({2 * std::cos(0.3), 0, 0, 2 * std::sin(0.3)}), 0.6);
}
