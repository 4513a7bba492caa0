// The time from starting rigid-body to its first frame shown, on Qt's
// offscreen platform: the default body, and a generated one of 10^6
// particles inside the drawing area. The program, asked by
// RBD_FIRST_FRAME_CLOCK, writes the monotonic clock to standard error when its
// drawing area is first painted; each run is then ended.
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/generated_data.h"

extern char** environ;

namespace {

constexpr std::string_view kReport = "first frame shown at ";

// Settings of its own, so that no earlier session's window or panels change
// what is shown first, and nothing the person keeps is read.
const std::filesystem::path& SettingsFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("rbd-startup-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

std::vector<std::string> Environment()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view text = *variable;
        if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("XDG_CONFIG_HOME="))
            variables.emplace_back(text);
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    variables.emplace_back("XDG_CONFIG_HOME=" + SettingsFolder().string());
    variables.emplace_back("RBD_FIRST_FRAME_CLOCK=1");
    return variables;
}

// Starts the program on `dataFile` and returns the seconds until it reports
// its first frame, or a negative number with `problem` set; `cpuSeconds` is
// the time the program ran on the processor until then (and the moment it
// took to end it).
double SecondsToFirstFrame(const std::filesystem::path& dataFile, double& cpuSeconds, std::string& problem)
{
    std::vector<std::string> variables = Environment();
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string program = RBD_PROGRAM, option = "--data", data = dataFile.string();
    std::array<char*, 4> arguments{program.data(), option.data(), data.data(), nullptr};

    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        problem = "no pipe";
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (failed != 0) {
        ::close(pipeEnds[0]);
        problem = "cannot start " + program;
        return -1;
    }

    double seconds = -1;
    std::string text;
    char buffer[4096];
    for (ssize_t got = 0; seconds < 0 && (got = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
        const auto at = text.find(kReport);
        if (at == std::string::npos || text.find('\n', at) == std::string::npos) continue;
        const long long shown = std::atoll(text.c_str() + at + kReport.size());
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(shown)) -
                                                start)
                      .count();
    }
    ::kill(child, SIGKILL);
    rusage usage{};
    ::wait4(child, nullptr, 0, &usage);
    cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    ::close(pipeEnds[0]);
    if (seconds < 0) problem = "no first frame reported; the program wrote: " + text;
    return seconds;
}

void BM_FirstFrameShown(benchmark::State& state)
{
    const auto particles = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path dataFile = particles == 8 ? std::filesystem::path(RBD_SOURCE_DIR "/data.txt")
                                                          : GeneratedDataFile(particles, Spread::InsideTheBox);
    double cpuSeconds = 0;
    for (auto _ : state) {
        std::string problem;
        double cpu = 0;
        const double seconds = SecondsToFirstFrame(dataFile, cpu, problem);
        if (seconds < 0) {
            state.SkipWithError(problem.c_str());
            return;
        }
        state.SetIterationTime(seconds);
        cpuSeconds += cpu;
    }
    // What other work on the same cores stretches far less than the wall time.
    state.counters["program_cpu_ms"] = benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_FirstFrameShown)->Arg(8)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(SettingsFolder(), ignored);
    return 0;
}
