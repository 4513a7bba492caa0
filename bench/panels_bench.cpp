// What the learner's panels and overlays cost a tick of the default body: one
// timer tick of the real window with none shown, and with the inspector, the
// plots and every overlay shown, over a long run that is never reset, so that
// whatever grows with the run (the trail, the history, the plots' points)
// shows in the figure. The panels take in the run once per screen frame; at
// speed 1 a tick comes every 50 ms, less often than a frame, so each tick here
// is followed by one refresh of each panel. The difference must stay under
// 0.25 ms, and with all hidden a tick must cost what the bare step and redraw
// cost. And the trail alone, from a step where it has just filled and from
// one far later: drawing it must cost the same.
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <benchmark/benchmark.h>

#include "session/overlays.h"
#include "ui/Unit1.h"
#include "ui/inspector_panel.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/plots_panel.h"

namespace {

// Ticks measured in one run of the window, none of them reset: the trail is
// full after the first two thousand.
constexpr benchmark::IterationCount kLongRun = 20000;

// One push that turns the body, one step, then free flight: the body turns and
// bounces for ever, with no torque to make its spin grow until a step can no
// longer be taken (some 400 steps), which would halt the run.
void PushAndRun(TForm1& form)
{
    form.Image1MouseDown(462, 288);  // particle 7
    form.Image1MouseUp(500, 250);
    form.Button3Click();
    form.Timer1Timer();
    form.Do({.kind = CommandKind::Coast});
}

void Tick(benchmark::State& state, bool everyPanel)
{
    LiveSession live(RBD_SOURCE_DIR "/data.txt");
    MainWindow window(live, [](FilePurpose) { return QString(); });
    window.show();
    TForm1& form = window.Form();
    if (everyPanel) {
        window.InspectorDock()->show();
        window.PlotsDock()->show();
        for (QAction* overlay : window.OverlayActions()) overlay->trigger();
    }
    PushAndRun(form);
    for (auto _ : state) {
        form.Timer1Timer();
        if (everyPanel) {
            window.Inspector().RefreshNow();
            window.Plots().RefreshNow();
        }
        // Painting the widgets is the event loop's, and happens once per
        // frame whatever the panels: it is left out of both.
    }
    state.counters["last_step"] = static_cast<double>(form.Simulation().steps);
}

void BM_TickNoPanels(benchmark::State& state) { Tick(state, false); }
void BM_TickEveryPanelAndOverlay(benchmark::State& state) { Tick(state, true); }

// Ticks with the trail shown from step `state.range(0)` on, the run reaching it
// with nothing shown.
void BM_TickTrailFrom(benchmark::State& state)
{
    LiveSession live(RBD_SOURCE_DIR "/data.txt");
    MainWindow window(live, [](FilePurpose) { return QString(); });
    window.show();
    TForm1& form = window.Form();
    PushAndRun(form);
    form.Do({.kind = CommandKind::Tick, .count = state.range(0) - form.Simulation().steps});
    form.Do({.kind = CommandKind::View, .overlay = Overlay::Trail, .on = true});
    for (auto _ : state) form.Timer1Timer();
    state.counters["trail_points"] = static_cast<double>(form.CurrentSession().CentreOfMassTrail().points.size());
}

BENCHMARK(BM_TickNoPanels)->Iterations(kLongRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickEveryPanelAndOverlay)->Iterations(kLongRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickTrailFrom)
    ->Arg(static_cast<long>(kTrailLength))
    ->Arg(100000)
    ->Iterations(static_cast<long>(kTrailLength))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
