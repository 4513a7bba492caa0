#pragma once

#include <string>

#include "session/simulation_context.h"

// The whole state of a simulation as one line of JSON: the run state, the
// settings, every field of the body, the drag, the three text lines and the
// disc boxes as drawn on a picture `height` pixels high. Doubles are written
// in the shortest form that reads back to the same bits, -0 kept; a double
// that is not finite is null.
std::string StateJson(const SimulationContext& simulation, bool running, int height);
