#include "session/refusal.h"

#include <charconv>
#include <cmath>

namespace {

// Three significant digits, whatever the locale: a message a script prints is
// read by tools too.
std::string Short(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 3).ptr);
}

}  // namespace

std::string WhyStepRefused(long long step, const Motion& before, const std::string& field, double stepLength)
{
    const std::string refused = "step " + std::to_string(step) + " was not taken: ";
    const std::string halted = " The run is halted; Reload starts it afresh.";
    if (field != "orientation" && field != "orientation length")
        return refused + "its " + field + " would not be a finite number, beyond the range of numbers." + halted;
    const Vector3 w = before.angularVelocity;
    const double spin = std::sqrt(w.x * w.x + w.y * w.y + w.z * w.z);
    return refused + "the orientation's length would leave the range of numbers (it is " +
           Short(Length(before.orientation)) +
           " now). The step never normalises the orientation, so under a steady torque its length grows at every "
           "step; at the step length " +
           Short(stepLength) + " and the angular velocity reached, " + Short(spin) +
           " rad per time unit, each step turns the body by " + Short(stepLength * spin) + " rad." + halted;
}

std::string WhyNotKept(long long step, long long oldest, long long newest)
{
    return "step " + std::to_string(step) + " is not kept: steps " + std::to_string(oldest) + " to " +
           std::to_string(newest) + " are";
}
