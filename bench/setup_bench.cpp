// The body setup from a data file against two ways of merely reading the same
// numbers: a bare std::from_chars loop (the floor for any parser) and stream
// extraction (the naive way); beside them, the two parts of a setup alone:
// reading the numbers, and fresh memory for the particles. Every reader reads
// the file anew each iteration.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/generated_data.h"
#include "bench/setup_or_skip.h"
#include "sim/body_setup.h"
#include "sim/data_file.h"
#include "sim/large_pages.h"
#include "sim/setup_error.h"

namespace {

void ReportBytes(benchmark::State& state, const std::filesystem::path& path)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string ReadWhole(const std::filesystem::path& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    std::string text(std::filesystem::file_size(path), '\0');
    if (!file || std::fread(text.data(), 1, text.size(), file.get()) != text.size()) text.clear();
    return text;
}

void BM_SetupBody(benchmark::State& state)
{
    const auto particles = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path& path = GeneratedDataFile(particles);
    RigidBody body;
    SimulationSettings settings;
    for (auto _ : state) {
        if (!SetupOrSkip(state, body, settings, path)) return;
        benchmark::DoNotOptimize(body.totalMass);
    }
    if (body.particles.size() != particles) state.SkipWithError("the setup read a different particle count");
    ReportBytes(state, path);
}

// The setup's own reading of the numbers, every one checked and converted as
// the setup does it, without building anything from them.
void BM_DataFileNumbers(benchmark::State& state)
{
    const std::filesystem::path& path = GeneratedDataFile(static_cast<std::size_t>(state.range(0)));
    std::size_t numbers = 0;
    try {
        for (auto _ : state) {
            DataFile file(path);
            double sum = 0.0;
            numbers = 0;
            for (double value = 0.0; file.Next(value); ++numbers) sum += value;
            benchmark::DoNotOptimize(sum);
        }
    } catch (const SetupError& error) {
        state.SkipWithError(error.what());
        return;
    }
    if (numbers != 2 * static_cast<std::size_t>(state.range(0)) + 1) state.SkipWithError("the scan stopped early");
    ReportBytes(state, path);
}

// What any setup must pay besides parsing: fresh memory for the particles,
// which the system hands out zeroed, written once. Not a way of reading the
// file, so no bytes per second.
void BM_FreshParticles(benchmark::State& state)
{
    const auto particles = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::vector<Particle> fresh;
        fresh.reserve(particles);
        PreferLargePages(fresh.data(), fresh.capacity() * sizeof(Particle));
        for (std::size_t i = 0; i < particles; ++i) fresh.emplace_back().mass = 1.0;
        benchmark::DoNotOptimize(fresh.data());
    }
}

void BM_FromCharsScan(benchmark::State& state)
{
    const std::filesystem::path& path = GeneratedDataFile(static_cast<std::size_t>(state.range(0)));
    std::size_t numbers = 0;
    for (auto _ : state) {
        const std::string text = ReadWhole(path);
        const char* p = text.data();
        const char* const end = p + text.size();
        double sum = 0.0;
        numbers = 0;
        for (;;) {
            while (p != end && IsSpace(*p)) ++p;
            if (p == end) break;
            double value = 0.0;
            const auto [next, error] = std::from_chars(p, end, value);
            if (error != std::errc()) break;
            sum += value;
            ++numbers;
            p = next;
        }
        benchmark::DoNotOptimize(sum);
    }
    if (numbers != 2 * static_cast<std::size_t>(state.range(0)) + 1) state.SkipWithError("the scan stopped early");
    ReportBytes(state, path);
}

void BM_IfstreamScan(benchmark::State& state)
{
    const std::filesystem::path& path = GeneratedDataFile(static_cast<std::size_t>(state.range(0)));
    std::size_t numbers = 0;
    for (auto _ : state) {
        std::ifstream in(path);
        double sum = 0.0;
        numbers = 0;
        for (double value = 0.0; in >> value; ++numbers) sum += value;
        benchmark::DoNotOptimize(sum);
    }
    if (numbers != 2 * static_cast<std::size_t>(state.range(0)) + 1) state.SkipWithError("the scan stopped early");
    ReportBytes(state, path);
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_SetupBody)->Apply(Sizes);
BENCHMARK(BM_DataFileNumbers)->Apply(Sizes);
BENCHMARK(BM_FreshParticles)->Apply(Sizes);
BENCHMARK(BM_FromCharsScan)->Apply(Sizes);
BENCHMARK(BM_IfstreamScan)->Apply(Sizes);

BENCHMARK_MAIN();
