#include "session/quantities.h"

#include <cmath>

#include "session/session.h"

KineticEnergy KineticEnergyOf(const RigidBody& body)
{
    KineticEnergy energy;
    energy.linear = 0.5 * body.totalMass * Dot(body.linearVelocity, body.linearVelocity);
    energy.rotational = 0.5 * Dot(body.angularVelocity, body.angularMomentum);
    energy.total = energy.linear + energy.rotational;
    return energy;
}

double SimulatedTime(long long steps) { return static_cast<double>(steps) * Session::kStepLength; }

double AngleAboutZ(Quaternion orientation)
{
    const Quaternion unit = Normalize(orientation);
    return 2 * std::atan2(unit.z, unit.w);
}
