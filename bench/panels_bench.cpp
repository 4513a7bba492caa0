// What the learner's panels and overlays cost a tick of the default body: one
// timer tick of the real window with none shown, and with the inspector, the
// plots and every overlay shown. The panels take in the run once per screen
// frame; at speed 1 a tick comes every 50 ms, less often than a frame, so each
// tick here is followed by one refresh of each panel. The difference must stay
// under 0.25 ms, and with all hidden a tick must cost what the bare step and
// redraw cost.
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <benchmark/benchmark.h>

#include "ui/Unit1.h"
#include "ui/inspector_panel.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/plots_panel.h"

namespace {

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
    const auto pushAndRun = [&form] {
        form.Image1MouseDown(462, 288);  // particle 7: a push that turns the body
        form.Image1MouseUp(500, 250);
        form.Button3Click();
    };
    pushAndRun();
    int ticks = 0;
    for (auto _ : state) {
        form.Timer1Timer();
        if (everyPanel) {
            window.Inspector().RefreshNow();
            window.Plots().RefreshNow();
        }
        // Painting the widgets is the event loop's, and happens once per
        // frame whatever the panels: it is left out of both.
        if (++ticks == 300) {
            // Back to rest well before step 399, which the orientation's
            // length would carry out of the range of numbers: a run the
            // step guard halted would tick for nothing.
            state.PauseTiming();
            form.Do({.kind = CommandKind::Reload});
            pushAndRun();
            ticks = 0;
            state.ResumeTiming();
        }
    }
}

void BM_TickNoPanels(benchmark::State& state) { Tick(state, false); }
void BM_TickEveryPanelAndOverlay(benchmark::State& state) { Tick(state, true); }

BENCHMARK(BM_TickNoPanels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickEveryPanelAndOverlay)->Unit(benchmark::kMillisecond);

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
