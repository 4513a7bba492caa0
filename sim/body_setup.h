#pragma once

#include <filesystem>
#include <string_view>

#include "sim/rigid_body.h"

// Rebuilds the body at rest from the density text and the data file, which is
// read anew each time. All or nothing: on any fault it throws SetupError and
// leaves body and settings exactly as they were.
void SetupBody(RigidBody& body, SimulationSettings& settings, std::string_view densityText,
               const std::filesystem::path& dataFile);

// A setup in two halves, so that the first, which takes nearly all the time,
// can run where it does not hold anything up: SetupBody is BuildBody then
// PutInPlace. BuildBody throws as SetupBody does, and changes nothing.
struct BuiltBody {
    RigidBody body;
    // What the settings take from the setup.
    double density = 0.0;
    double particleCount = 0.0;
};
BuiltBody BuildBody(std::string_view densityText, const std::filesystem::path& dataFile);
void PutInPlace(BuiltBody&& built, RigidBody& body, SimulationSettings& settings);
