#pragma once

#include "math/matrix3.h"

// Orientation, scalar part first. No invariant: only Normalize yields unit length.
struct Quaternion {
    double w = 1.0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Quaternion&, const Quaternion&) = default;
};

// Scalar part a.w·b.w − u·v, vector part a.w·v + b.w·u − u × v. In Hamilton's
// notation this is b ⊗ a: the second operand stands on the left.
Quaternion Multiply(Quaternion a, Quaternion b);
Quaternion Scale(Quaternion q, double s);
Quaternion Add(Quaternion a, Quaternion b);
// √(w² + x² + y² + z²), summed in that order.
double Length(Quaternion q);
// Four divisions by the length; a zero quaternion yields NaNs.
Quaternion Normalize(Quaternion q);
// The rotation body → world of a unit quaternion. The input is not normalised,
// so callers pass Normalize(q).
Matrix3 ToRotationMatrix(Quaternion q);
