#pragma once

#include "sim/rigid_body.h"
#include "session/mouse_push.h"

// Everything the window's handlers act on, in one place, so that tests and
// scripted runs can hold as many independent simulations as they like.
struct SimulationContext {
    RigidBody body;
    SimulationSettings settings;
    DragState drag;
    // Time steps since the last setup that was not refused.
    long long steps = 0;
};
