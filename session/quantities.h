#pragma once

#include "sim/motion.h"
#include "sim/rigid_body.h"

// Quantities a person reads off the state. The state line, the CSV rows, the
// inspector and the plots all take them from here, so they agree to the bit.

struct KineticEnergy {
    double linear = 0.0;      // ½ m v·v
    double rotational = 0.0;  // ½ ω·L
    double total = 0.0;
};

// linear = (0.5 × totalMass) × (v·v), rotational = 0.5 × (ω·L), total = their
// sum. Under a push the total grows: the force keeps acting, and a bounce
// reverses it with the momentum, so it keeps doing work on the body.
KineticEnergy KineticEnergyOf(const RigidBody& body);
// The same for a kept motion of a body of `totalMass`, to the bit.
KineticEnergy KineticEnergyOf(double totalMass, const Motion& motion);

// Simulated time of `steps` steps of 0.2: one product, never a running sum.
double SimulatedTime(long long steps);

// The turn about z, in radians, of the normalised orientation: 2·atan2(z, w).
double AngleAboutZ(Quaternion orientation);

// The principal moments of inertia of a body in the plane z = 0 and where its
// principal axes lie, from the body inertia tensor I (body frame, about the
// centre of mass). Such a body has Ixz = Iyz = 0: z is a principal axis, with
// the moment Izz. The plane's block [[Ixx, Ixy], [Ixy, Iyy]] has the moments
//   λ± = m ± r,   m = (Ixx + Iyy) / 2,   r = √(((Ixx − Iyy) / 2)² + Ixy²),
// and the axis of the smaller one, λ−, along which the body is longest, lies
// at the angle
//   θ = ½·atan2(−2·Ixy, Iyy − Ixx),   taken in (−90°, 90°],
// counter-clockwise from the body's own x axis, which is the data file's x;
// the axis of λ+ is perpendicular to it. Moments closer than kEqualMoments
// of their mean are equal: every direction in the plane is then principal,
// and θ is 0.
struct PrincipalAxes {
    double smaller = 0.0;  // λ−, about the axis at `angle`
    double larger = 0.0;   // λ+, about the axis perpendicular to it
    double z = 0.0;        // Izz
    double angle = 0.0;    // θ, radians, body frame
};

inline constexpr double kEqualMoments = 1e-9;

PrincipalAxes PrincipalAxesOf(const Matrix3& bodyInertia);
