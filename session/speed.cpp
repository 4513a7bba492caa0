#include "session/speed.h"

#include <algorithm>
#include <cmath>

#include "session/json_number.h"

bool IsSpeed(double speed) { return speed >= kSlowestSpeed && speed <= kFastestSpeed; }

std::string SpeedName(double speed)
{
    const bool offered = std::find(kSpeedChoices.begin(), kSpeedChoices.end(), speed) != kSpeedChoices.end();
    if (offered && speed < 1) return "1/" + std::to_string(std::lround(1 / speed));
    std::string name;
    AppendJsonNumber(name, speed);
    return name;
}
