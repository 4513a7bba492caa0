#include "sim/motion.h"

#include <cmath>
#include <initializer_list>
#include <utility>

Motion MotionOf(const RigidBody& body)
{
    return {body.position, body.orientation,    body.linearMomentum,  body.angularMomentum, body.inverseInertia,
            body.rotation, body.linearVelocity, body.angularVelocity, body.force,           body.torque};
}

void SetMotion(RigidBody& body, const Motion& motion)
{
    body.position = motion.position;
    body.orientation = motion.orientation;
    body.linearMomentum = motion.linearMomentum;
    body.angularMomentum = motion.angularMomentum;
    body.inverseInertia = motion.inverseInertia;
    body.rotation = motion.rotation;
    body.linearVelocity = motion.linearVelocity;
    body.angularVelocity = motion.angularVelocity;
    body.force = motion.force;
    body.torque = motion.torque;
}

namespace {

bool Finite(Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool Finite(const Matrix3& a)
{
    for (double element : a.m)
        if (!std::isfinite(element)) return false;
    return true;
}

}  // namespace

const char* FirstNonFinite(const Motion& motion)
{
    const Quaternion& q = motion.orientation;
    if (!Finite(motion.position)) return "position";
    if (!(std::isfinite(q.w) && std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z))) return "orientation";
    // Its square overflows long before the orientation itself does.
    if (!std::isfinite(Length(q))) return "orientation length";
    for (const auto& [name, v] :
         {std::pair{"linearMomentum", motion.linearMomentum}, std::pair{"angularMomentum", motion.angularMomentum},
          std::pair{"linearVelocity", motion.linearVelocity}, std::pair{"angularVelocity", motion.angularVelocity},
          std::pair{"force", motion.force}, std::pair{"torque", motion.torque}})
        if (!Finite(v)) return name;
    if (!Finite(motion.rotation)) return "rotation";
    if (!Finite(motion.inverseInertia)) return "inverseInertia";
    return nullptr;
}
