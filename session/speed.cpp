#include "session/speed.h"

#include <algorithm>
#include <cmath>

#include "session/json_number.h"

bool IsSpeed(double speed) { return speed >= kSlowestSpeed && speed <= kFastestSpeed; }

double NearestSpeedChoice(double speed)
{
    if (std::isnan(speed)) return 1.0;
    const double pace = std::clamp(speed, kSlowestSpeed, kFastestSpeed);
    return *std::min_element(kSpeedChoices.begin(), kSpeedChoices.end(), [pace](double a, double b) {
        return std::abs(std::log(a / pace)) < std::abs(std::log(b / pace));
    });
}

std::string SpeedName(double speed)
{
    const bool offered = std::find(kSpeedChoices.begin(), kSpeedChoices.end(), speed) != kSpeedChoices.end();
    if (offered && speed < 1) return "1/" + std::to_string(std::lround(1 / speed));
    std::string name;
    AppendJsonNumber(name, speed);
    return name;
}
