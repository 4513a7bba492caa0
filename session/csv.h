#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "session/simulation_context.h"
#include "sim/motion.h"

// The data of a run as comma-separated values: a header, then one row per time
// step. Each number is written as the state line writes it, so a row read back
// gives the very doubles that the state line shows after the same step.

// The column names, in order, without a line break.
std::string CsvHeader();

// The row for the body as it stands, without a line break: the step count, the
// time, the centre of mass (x, y), its velocity (vx, vy), ω's z, the angle about
// z of the normalised orientation (radians), the three kinetic energies, the
// accumulated force (x, y), the torque's z and the orientation's length.
std::string CsvRow(const SimulationContext& simulation);
// The row of a kept motion after `steps` steps, for a body of `totalMass`: the
// very row the body would give standing in that motion.
std::string CsvRow(long long steps, double totalMass, const Motion& motion);

// The numbers of that row after its step count, in the header's order, for
// those who keep them as doubles rather than as text.
inline constexpr std::size_t kCsvNumbers = 14;
std::array<double, kCsvNumbers> CsvNumbers(long long steps, double totalMass, const Motion& motion);
