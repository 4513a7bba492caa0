#pragma once

#include <filesystem>

#include <benchmark/benchmark.h>

#include "sim/body_setup.h"
#include "sim/setup_error.h"

// A setup for a benchmark; a refused one skips that benchmark with the
// message instead of ending the program, so the data files are still removed.
inline bool SetupOrSkip(benchmark::State& state, RigidBody& body, SimulationSettings& settings,
                        const std::filesystem::path& path)
{
    try {
        SetupBody(body, settings, "1", path);
        return true;
    } catch (const SetupError& error) {
        state.SkipWithError(error.what());
        return false;
    }
}
