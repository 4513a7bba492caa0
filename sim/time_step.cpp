#include "sim/time_step.h"

void StepBody(RigidBody& body, const SimulationSettings& settings, double dt, int width, int height)
{
    if (body.totalMass == 0.0) return;

    // Position and orientation advance with the velocities of the previous step.
    body.position = Add(body.position, Scale(body.linearVelocity, dt));

    // Outside the box both whole vectors turn round, at every step while outside.
    if (!InsideDrawingArea(body.position, settings.scale, width, height)) {
        body.linearMomentum = Scale(body.linearMomentum, -1.0);
        body.force = Scale(body.force, -1.0);
    }

    // dq/dt = ½ q ⊗ (0, ω): Multiply puts its second operand, the orientation,
    // on the left. For a world-frame ω the textbook form is ½ (0, ω) ⊗ q; the
    // two agree while ω lies along z, which is all that pushes in the plane of
    // a flat body ever give it.
    const Quaternion omega{0.0, body.angularVelocity.x, body.angularVelocity.y, body.angularVelocity.z};
    body.orientation = Add(body.orientation, Scale(Scale(Multiply(omega, body.orientation), 0.5), dt));

    body.linearMomentum = Add(body.linearMomentum, Scale(body.force, dt));
    body.angularMomentum = Add(body.angularMomentum, Scale(body.torque, dt));

    body.linearVelocity = Scale(body.linearMomentum, 1.0 / body.totalMass);
    body.rotation = ToRotationMatrix(Normalize(body.orientation));
    // I⁻¹ = R · Ibody⁻¹ · Rᵀ
    body.inverseInertia = Multiply(body.rotation, Multiply(body.bodyInertiaInverse, Transpose(body.rotation)));
    body.angularVelocity = Multiply(body.inverseInertia, body.angularMomentum);
}
