#include "session/quantities.h"

#include <cmath>
#include <numbers>

#include "session/session.h"

namespace {

KineticEnergy EnergyOf(double totalMass, Vector3 linearVelocity, Vector3 angularVelocity, Vector3 angularMomentum)
{
    KineticEnergy energy;
    energy.linear = 0.5 * totalMass * Dot(linearVelocity, linearVelocity);
    energy.rotational = 0.5 * Dot(angularVelocity, angularMomentum);
    energy.total = energy.linear + energy.rotational;
    return energy;
}

}  // namespace

KineticEnergy KineticEnergyOf(const RigidBody& body)
{
    return EnergyOf(body.totalMass, body.linearVelocity, body.angularVelocity, body.angularMomentum);
}

KineticEnergy KineticEnergyOf(const Motion& motion, double totalMass)
{
    return EnergyOf(totalMass, motion.linearVelocity, motion.angularVelocity, motion.angularMomentum);
}

double SimulatedTime(long long steps) { return static_cast<double>(steps) * Session::kStepLength; }

double AngleAboutZ(Quaternion orientation)
{
    const Quaternion unit = Normalize(orientation);
    return 2 * std::atan2(unit.z, unit.w);
}

PrincipalAxes PrincipalAxesOf(const Matrix3& bodyInertia)
{
    const double xx = bodyInertia(0, 0), yy = bodyInertia(1, 1), xy = bodyInertia(0, 1);
    const double mean = 0.5 * (xx + yy);
    const double radius = std::hypot(0.5 * (xx - yy), xy);
    PrincipalAxes axes{.smaller = mean - radius, .larger = mean + radius, .z = bodyInertia(2, 2)};
    if (radius > kEqualMoments * std::abs(mean)) {
        // atan2 lies in [−π, π]; −π (Ixy = −0 with Ixx > Iyy) is the same axis as π.
        axes.angle = 0.5 * std::atan2(-2 * xy, yy - xx);
        if (axes.angle <= -std::numbers::pi / 2) axes.angle += std::numbers::pi;
        axes.angle += 0.0;  // −0 reads as 0
    }
    return axes;
}
