#pragma once

#include "sim/rigid_body.h"

// What a time step changes of a body: every field but the particles and the
// mass properties. A few hundred bytes, whatever the body's size.
struct Motion {
    Vector3 position;
    Quaternion orientation;
    Vector3 linearMomentum;
    Vector3 angularMomentum;
    Matrix3 inverseInertia = Identity();
    Matrix3 rotation = Identity();
    Vector3 linearVelocity;
    Vector3 angularVelocity;
    Vector3 force;
    Vector3 torque;

    friend bool operator==(const Motion&, const Motion&) = default;
};

Motion MotionOf(const RigidBody& body);
void SetMotion(RigidBody& body, const Motion& motion);

// The first of the motion's fields that holds a number that is not finite, by
// its name in the state line, or null when every one is finite. The
// orientation's length, as the step's normalisation computes it, counts as one
// of them: "orientation length".
const char* FirstNonFinite(const Motion& motion);
