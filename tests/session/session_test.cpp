#include "session/session.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "session/quantities.h"
#include "session/script_line.h"
#include "tests/session/recording_canvas.h"
#include "tests/test_files.h"

namespace {

// Two particles about (100, 60): particle 0's centre on pixel (440, 292).
constexpr const char* kTwoParticles = "2  110 65  90 55";

struct Heard : SessionListener {
    void EventReached(const ScriptCommand& command) override { lines.push_back(ScriptLine(command)); }
    void TimingChanged() override { ++timings; }
    void SetupRefused(const std::string& message, SetupFault fault) override { refusals.push_back({message, fault}); }

    std::vector<std::string> lines;
    int timings = 0;
    std::vector<std::pair<std::string, SetupFault>> refusals;
};

}  // namespace

// The clock, pause, speed and overlays: what each changes, and what it leaves.
TEST(Session, CountsStepsPausesAndPacesWithoutTouchingTheBody)
{
    const TempFile file(kTwoParticles);
    RecordingCanvas canvas(879, 552);
    Session session(canvas, file.path());
    Heard heard;
    session.Listen(heard);
    session.FirstSetup();
    session.Press(440, 292);
    session.Release(470, 262);
    session.StartStop();
    for (int i = 0; i < 4; ++i) session.Tick();
    EXPECT_EQ(session.Simulation().steps, 4);

    session.Pause();
    const RigidBody frozen = session.Simulation().body;
    session.Tick();  // the timer stopped: nothing
    session.SetSpeed(0.125);
    EXPECT_EQ(session.TimerPeriod(), 400);
    session.SetSpeed(9);  // out of range: refused, as a script refuses it
    EXPECT_EQ(session.Speed(), 0.125);
    EXPECT_EQ(session.Simulation().body, frozen);
    session.Step();
    EXPECT_EQ(session.Simulation().steps, 5);
    EXPECT_EQ(session.CentreOfMassTrail().points.size(), 5u);

    // A refused setup changes nothing, the count included; one that succeeds
    // starts it, and the trail, afresh.
    session.Open(file.folder() / "missing.txt");
    ASSERT_EQ(heard.refusals.size(), 1u);
    EXPECT_EQ(heard.refusals[0].second, SetupFault::DataFile);
    session.EditDensity("x");
    EXPECT_EQ(heard.refusals.back().second, SetupFault::Density);
    EXPECT_EQ(session.Simulation().steps, 5);
    session.EditDensity("2");
    EXPECT_EQ(session.Simulation().steps, 0);
    EXPECT_TRUE(session.CentreOfMassTrail().points.empty());

    canvas.calls.clear();
    session.SetOverlay(Overlay::Com, true);
    EXPECT_EQ(canvas.calls.front(), "fill 0 0 879 552");  // a clearing redraw
    EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), "pen " + std::to_string(kComColor)),
              canvas.calls.end());
    EXPECT_EQ(canvas.calls.back(), "pen 0");  // black again for the scene and the push

    EXPECT_EQ(heard.lines, (std::vector<std::string>{"press 440 292", "release 470 262", "startstop", "tick", "tick",
                                                     "tick", "tick", "pause", "speed 0.125", "step",
                                                     "open " + (file.folder() / "missing.txt").string(), "density x",
                                                     "density 2", "view com on"}));
    EXPECT_EQ(heard.timings, 3);  // started, paused, slowed; the edits found it halted
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
