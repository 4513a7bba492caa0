#pragma once

#include <filesystem>
#include <string_view>

#include "sim/rigid_body.h"

// Rebuilds the body at rest from the density text and the data file, which is
// read anew each time. All or nothing: on any fault it throws SetupError and
// leaves body and settings exactly as they were.
void SetupBody(RigidBody& body, SimulationSettings& settings, std::string_view densityText,
               const std::filesystem::path& dataFile);
