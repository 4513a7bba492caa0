#pragma once

#include "sim/rigid_body.h"

// Whether a centre of mass at `p` lies inside the open box that a drawing area
// of width × height pixels shows; strict on all four sides, so that a centre
// exactly on an edge is outside. A step that ends outside turns the body round.
inline bool InsideDrawingArea(Vector3 p, double scale, int width, int height)
{
    return p.x > 0 && p.x * scale < width && p.y > 0 && p.y * scale < height;
}

// One explicit Euler step of length dt. The body reflects off the open box
// that a drawing area of width × height pixels shows. A body without mass (the
// empty body left by a refused first setup) is left exactly as it is.
void StepBody(RigidBody& body, const SimulationSettings& settings, double dt, int width, int height);
