#pragma once

#include <array>
#include <string>

// The timer's pace, as a factor of its 20 ticks a second. The step length never
// changes with it, so neither does a replay; only the timer's period does.
inline constexpr double kSlowestSpeed = 0.125;
inline constexpr double kFastestSpeed = 4.0;

// The paces a person picks from, slowest first.
inline constexpr std::array<double, 6> kSpeedChoices = {0.125, 0.25, 0.5, 1.0, 2.0, 4.0};

bool IsSpeed(double speed);

// The pace offered that is nearest to `speed` by ratio: 0.13 gives 0.125, 0.3
// gives 0.25, 100 gives 4; one that is no number gives 1.
double NearestSpeedChoice(double speed);

// "1/8" to "4" for the paces offered; any other as its shortest decimal form.
std::string SpeedName(double speed);
