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
// sum. The specified step reflects the force at the edges, so the total is
// not conserved: it grows at each bounce of a pushed body.
KineticEnergy KineticEnergyOf(const RigidBody& body);
// The same for a kept motion of a body of `totalMass`, to the bit.
KineticEnergy KineticEnergyOf(double totalMass, const Motion& motion);

// Simulated time of `steps` steps of 0.2: one product, never a running sum.
double SimulatedTime(long long steps);

// The turn about z, in radians, of the normalised orientation: 2·atan2(z, w).
double AngleAboutZ(Quaternion orientation);
