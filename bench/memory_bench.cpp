// Memory of a body of 10^6 particles, two ways:
//  - peak_rss_growth: how far the setup raised the process's peak resident
//    size (getrusage ru_maxrss), i.e. everything alive at the worst moment of
//    the setup: the file's text, the particles, and any allocator slack;
//  - particles: what the finished body keeps, capacity × sizeof(Particle).
// The peak is a high-water mark of the whole process, so it is only honest
// for the first setup of a process whose earlier peak was small: this program
// runs nothing else, writes its data file in small blocks before taking the
// baseline, and runs the setup exactly once.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "bench/generated_data.h"
#include "bench/setup_or_skip.h"
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

}  // namespace

BENCHMARK(BM_SetupPeakMemory)->Arg(1000000)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
