#pragma once

#include <string>

#include "math/vector3.h"

// "[x  y  z]", each component rounded half up to thousandths and written as
// the exact decimal with no trailing zeros: (35, -20, 0.0625) → "[35  -20  0.063]".
// Infinite and NaN components read "INF", "-INF" and "NAN".
std::string VectorToText(Vector3 v);
