// What the timeline bar costs the real window (offscreen): bringing it to the
// present, which it does after every change while halted and at most once a
// screen frame while running (a tick itself only asks whether a frame is due).
// And what a window left running holds: its resident size and the memory the
// program holds, after a first run that fills the history, and again after N
// ticks more, with every panel hidden (they still gather their points).
#include <cstdlib>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench/resident_memory.h"
#include "ui/Unit1.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/timeline_bar.h"

namespace {

// The present moves on by a tick each time, as it does between two frames.
void BM_TimelineShowsThePresent(benchmark::State& state)
{
    LiveSession live(RBD_SOURCE_DIR "/data.txt");
    MainWindow window(live, [](FilePurpose) { return QString(); });
    window.show();
    TForm1& form = window.Form();
    form.Image1MouseDown(462, 288);  // particle 7: a push that turns the body
    form.Image1MouseUp(500, 250);
    form.Button3Click();
    form.Timer1Timer();
    form.Do({.kind = CommandKind::Coast});  // no torque to make the spin grow without bound
    for (auto _ : state) {
        state.PauseTiming();
        form.Timer1Timer();
        state.ResumeTiming();
        window.Timeline().ShowPresent();
    }
}

void BM_WindowRunMemory(benchmark::State& state)
{
    LiveSession live(RBD_SOURCE_DIR "/data.txt");
    MainWindow window(live, [](FilePurpose) { return QString(); });
    window.show();
    TForm1& form = window.Form();
    // One push, one step, then free flight: the body turns slowly for ever,
    // bouncing, with no torque to make its spin grow without bound.
    form.Image1MouseDown(462, 288);
    form.Image1MouseUp(500, 250);
    form.Button3Click();
    form.Timer1Timer();
    form.Do({.kind = CommandKind::Coast});
    const auto run = [&form](long long ticks) {
        for (long long i = 0; i < ticks; ++i) form.Timer1Timer();
        QCoreApplication::processEvents();
    };
    run(History::kMostStepsBack + 1000);
    const double before = ResidentBytes();
    const double heldBefore = HeapInUseBytes();
    for (auto _ : state) run(state.range(0));
    constexpr double kMiB = 1024.0 * 1024.0;
    const History& history = form.CurrentSession().KeptHistory();
    state.counters["steps"] = static_cast<double>(form.Simulation().steps);
    state.counters["kept_steps"] = static_cast<double>(history.Newest() - history.Oldest() + 1);
    state.counters["rss_MiB"] = ResidentBytes() / kMiB;
    state.counters["rss_growth_MiB"] = (ResidentBytes() - before) / kMiB;
    state.counters["heap_growth_MiB"] = (HeapInUseBytes() - heldBefore) / kMiB;
}

BENCHMARK(BM_TimelineShowsThePresent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowRunMemory)->Arg(300000)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

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
