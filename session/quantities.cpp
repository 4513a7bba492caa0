#include "session/quantities.h"

#include <cmath>
#include <numbers>

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
