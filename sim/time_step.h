#pragma once

#include "sim/rigid_body.h"

// One explicit Euler step of length dt. The body reflects off the open box
// that a drawing area of width × height pixels shows. A body without mass (the
// empty body left by a refused first setup) is left exactly as it is.
void StepBody(RigidBody& body, const SimulationSettings& settings, double dt, int width, int height);
