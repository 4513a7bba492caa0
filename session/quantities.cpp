#include "session/quantities.h"

#include <cmath>

#include "session/session.h"

KineticEnergy KineticEnergyOf(const RigidBody& body) { return KineticEnergyOf(body.totalMass, MotionOf(body)); }

KineticEnergy KineticEnergyOf(double totalMass, const Motion& motion)
{
    KineticEnergy energy;
    energy.linear = 0.5 * totalMass * Dot(motion.linearVelocity, motion.linearVelocity);
    energy.rotational = 0.5 * Dot(motion.angularVelocity, motion.angularMomentum);
    energy.total = energy.linear + energy.rotational;
    return energy;
}

double SimulatedTime(long long steps) { return static_cast<double>(steps) * Session::kStepLength; }

double AngleAboutZ(Quaternion orientation)
{
    const Quaternion unit = Normalize(orientation);
    return 2 * std::atan2(unit.z, unit.w);
}
