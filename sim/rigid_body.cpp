#include "sim/rigid_body.h"

void InitParticle(Particle& particle, Vector3 center, double radius, double density)
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
