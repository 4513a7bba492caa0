// Memory of a body of 10^6 particles. Its setup, two ways:
//  - peak_rss_growth: how far the setup raised the process's peak resident
//    size (getrusage ru_maxrss), i.e. everything alive at the worst moment of
//    the setup: the file's text, the particles, and any allocator slack;
//  - particles: what the finished body keeps, capacity × sizeof(Particle).
// The peak is a high-water mark of the whole process, so it is only honest
// for the first setup of a process whose earlier peak was small: this program
// runs nothing else, writes its data file in small blocks before taking the
// baseline, and runs that setup first and once.
// Then its run: how far the memory the program holds grows while the session
// steps the body N times and keeps its history, against the history's own
// size; and the resident size's growth, honest only in a process of its own
// (--benchmark_filter=BM_RunMemory/2000/), since the allocator reuses what
// earlier benchmarks freed.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "bench/generated_data.h"
#include "bench/resident_memory.h"
#include "bench/setup_or_skip.h"
#include "session/blank_canvas.h"
#include "session/session.h"
#include "sim/body_setup.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

double PeakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;  // Linux reports KiB
}

void BM_SetupPeakMemory(benchmark::State& state)
{
    const std::filesystem::path& path = GeneratedDataFile(static_cast<std::size_t>(state.range(0)));
    const double before = PeakResidentBytes();
    RigidBody body;
    SimulationSettings settings;
    for (auto _ : state) {
        if (!SetupOrSkip(state, body, settings, path)) return;
        benchmark::DoNotOptimize(body.totalMass);
    }
    const double after = PeakResidentBytes();
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / kMiB;
    state.counters["baseline_peak_rss_MiB"] = before / kMiB;
    state.counters["peak_rss_growth_MiB"] = (after - before) / kMiB;
    state.counters["particles_MiB"] = static_cast<double>(body.particles.capacity() * sizeof(Particle)) / kMiB;
    state.counters["bytes_per_particle"] = static_cast<double>(sizeof(Particle));
}

// N steps of a run: every step keeps its
// Motion in the history, at most History::kMostStepsBack + 1 of them.
void BM_RunMemory(benchmark::State& state)
{
    // Draws nothing: what is measured is the session's own keeping.
    BlankCanvas canvas(Session::kStartWidth, Session::kStartHeight);
    Session session(canvas, GeneratedDataFile(1000000, Spread::InsideTheBox));
    try {
        session.FirstSetup();
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    const double before = ResidentBytes();
    const double heldBefore = HeapInUseBytes();
    for (auto _ : state) {
        session.Apply({.kind = CommandKind::StartStop});
        session.Apply({.kind = CommandKind::Tick, .count = state.range(0)});
    }
    const double after = ResidentBytes();
    const double heldAfter = HeapInUseBytes();
    const History& history = session.KeptHistory();
    const double kept = static_cast<double>(history.Newest() - history.Oldest() + 1);
    state.counters["steps"] = static_cast<double>(session.Simulation().steps);
    state.counters["kept_steps"] = kept;
    state.counters["rss_growth_MiB"] = (after - before) / kMiB;
    state.counters["heap_growth_MiB"] = (heldAfter - heldBefore) / kMiB;
    state.counters["history_motions_MiB"] = kept * sizeof(Motion) / kMiB;
    state.counters["particles_MiB"] =
        static_cast<double>(session.Simulation().body.particles.capacity() * sizeof(Particle)) / kMiB;
}

}  // namespace

BENCHMARK(BM_SetupPeakMemory)->Arg(1000000)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunMemory)
    ->Arg(2000)
    ->Arg(100000)
    ->Arg(400000)
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
