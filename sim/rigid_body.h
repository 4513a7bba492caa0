#pragma once

#include <vector>

#include "math/matrix3.h"
#include "math/quaternion.h"
#include "math/vector3.h"

// The one value of π that particle masses use; ten decimals, on purpose.
inline constexpr double PI_APPROX = 3.1415926535;

// One sphere of the body.
struct Particle {
    double radius = 0.0;  // world units
    // While a setup reads the file: the file position (world frame, z = 0).
    // Afterwards: the centre relative to the body's centre of mass, body frame.
    Vector3 centerOfMass;
    double mass = 0.0;
    Matrix3 inertiaTensor;  // about the particle's own centre, body frame; diagonal

    friend bool operator==(const Particle&, const Particle&) = default;
};

// Its initial values are the rest state every setup leaves: identity
// orientation and rotation; every momentum, velocity, force and torque zero;
// inverseInertia the identity, not bodyInertiaInverse, until the first step
// derives it.
struct RigidBody {
    std::vector<Particle> particles;
    double totalMass = 0.0;
    Matrix3 bodyInertia;  // about the centre of mass, body frame
    Matrix3 bodyInertiaInverse;
    Vector3 position;        // centre of mass, world frame
    Quaternion orientation;  // never normalised in place
    Vector3 linearMomentum;
    Vector3 angularMomentum;              // world frame
    Matrix3 inverseInertia = Identity();  // world frame
    Matrix3 rotation = Identity();        // body → world, from the normalised orientation
    Vector3 linearVelocity;
    Vector3 angularVelocity;  // world frame
    Vector3 force;            // accumulated: persists from step to step
    Vector3 torque;           // accumulated, about the centre of mass

    friend bool operator==(const RigidBody&, const RigidBody&) = default;
};

struct SimulationSettings {
    // A whole number held as a double: every pass over the particles compares
    // its integer index, as a double, with it.
    double particleCount = 8.0;
    double density = 1.0;  // mass per unit area of a particle's disc
    double scale = 4.0;    // pixels per world unit
};

// The mass of a flat disc beside the inertia of a solid sphere (0.4·m·r²):
// both enter the body's mass properties. Inline, so that a setup writes each
// of its 10^6 particles once instead of zeroing it first.
inline void InitParticle(Particle& particle, Vector3 center, double radius, double density)
{
    particle.radius = radius;
    particle.centerOfMass = center;
    particle.mass = PI_APPROX * radius * radius * density;
    particle.inertiaTensor = ZeroMatrix();
    const double moment = 2 * particle.mass * (radius * radius) * 0.2;
    particle.inertiaTensor(0, 0) = moment;
    particle.inertiaTensor(1, 1) = moment;
    particle.inertiaTensor(2, 2) = moment;
}
