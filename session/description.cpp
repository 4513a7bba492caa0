#include "session/description.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "session/quantities.h"
#include "session/session.h"

namespace {

enum Side { kLeft, kRight, kBottom, kTop };

constexpr const char* kSides[] = {
    QT_TRANSLATE_NOOP("Description", "left"),
    QT_TRANSLATE_NOOP("Description", "right"),
    QT_TRANSLATE_NOOP("Description", "bottom"),
    QT_TRANSLATE_NOOP("Description", "top"),
};

struct Wall {
    Side side = kLeft;
    double distance = 0.0;  // world units from the centre of mass, negative beyond the wall
};

// The four walls where the step turns the body round, as seen from its
// centre of mass.
std::array<Wall, 4> WallsAround(const Session& session)
{
    const Vector3 p = session.Simulation().body.position;
    const double scale = session.Simulation().settings.scale;
    return {{{kLeft, p.x},
             {kRight, session.Width() / scale - p.x},
             {kBottom, p.y},
             {kTop, session.Height() / scale - p.y}}};
}

Sentence RunState(const Session& session)
{
    const long long steps = session.Simulation().steps;
    const SpokenNumber time{SimulatedTime(steps), 1};
    if (session.Running()) return {QT_TRANSLATE_NOOP("Description", "Running, time %1."), {time}};
    if (steps < session.KeptHistory().Newest())
        return {QT_TRANSLATE_NOOP("Description", "Paused at time %1, back in the kept run."), {time}};
    if (steps > 0) return {QT_TRANSLATE_NOOP("Description", "Paused at time %1."), {time}};
    return {QT_TRANSLATE_NOOP("Description", "At rest."), {}};
}

Sentence Place(const RigidBody& body)
{
    const Vector3 p = body.position;
    const Vector3 v = body.linearVelocity;
    const double speed = std::hypot(v.x, v.y);
    if (speed == 0.0)
        return {QT_TRANSLATE_NOOP("Description", "The body is at (%1, %2), not moving."), {Spoken(p.x), Spoken(p.y)}};
    return {QT_TRANSLATE_NOOP("Description", "The body is at (%1, %2), moving %3 at %4 units per time unit."),
            {Spoken(p.x), Spoken(p.y), DirectionOf(v.x, v.y), Spoken(speed)}};
}

Phrase Sense(double z)
{
    return {z > 0 ? QT_TRANSLATE_NOOP("Description", "counter-clockwise")
                  : QT_TRANSLATE_NOOP("Description", "clockwise")};
}

Sentence Turn(const RigidBody& body)
{
    const double omega = body.angularVelocity.z;
    if (omega == 0.0) return {QT_TRANSLATE_NOOP("Description", "It does not turn."), {}};
    return {QT_TRANSLATE_NOOP("Description", "It turns %1, once every %2 time units."),
            {Sense(omega), Spoken(2 * std::numbers::pi / std::fabs(omega))}};
}

// The wall the body reaches first on its way, or the nearest one while it
// stands still; from outside the area, the wall it is beyond.
Sentence WallAhead(const Session& session)
{
    const std::array<Wall, 4> walls = WallsAround(session);
    const auto beyond = std::min_element(walls.begin(), walls.end(),
                                         [](const Wall& a, const Wall& b) { return a.distance < b.distance; });
    if (!(beyond->distance > 0))
        return {QT_TRANSLATE_NOOP("Description", "It is outside the drawing area, %1 units beyond the %2 wall."),
                {Spoken(-beyond->distance), Phrase{kSides[beyond->side]}}};

    const Vector3 v = session.Simulation().body.linearVelocity;
    if (v.x == 0.0 && v.y == 0.0)
        return {QT_TRANSLATE_NOOP("Description", "The nearest wall is the %1 one, %2 units away."),
                {Phrase{kSides[beyond->side]}, Spoken(beyond->distance)}};
    // The time to each wall the body moves toward; the first one reached.
    const double speeds[] = {-v.x, v.x, -v.y, v.y};
    const Wall* ahead = nullptr;
    double soonest = 0.0;
    for (const Wall& wall : walls) {
        const double speed = speeds[wall.side];
        // A speed so small that the time overflows still picks a wall.
        if (speed > 0 && (!ahead || wall.distance / speed < soonest)) {
            soonest = wall.distance / speed;
            ahead = &wall;
        }
    }
    return {QT_TRANSLATE_NOOP("Description", "The wall ahead is the %1 one, %2 units away."),
            {Phrase{kSides[ahead->side]}, Spoken(ahead->distance)}};
}

}  // namespace

Phrase DirectionOf(double x, double y)
{
    static constexpr const char* kDirections[] = {
        QT_TRANSLATE_NOOP("Description", "to the right"), QT_TRANSLATE_NOOP("Description", "up and to the right"),
        QT_TRANSLATE_NOOP("Description", "up"),           QT_TRANSLATE_NOOP("Description", "up and to the left"),
        QT_TRANSLATE_NOOP("Description", "to the left"),  QT_TRANSLATE_NOOP("Description", "down and to the left"),
        QT_TRANSLATE_NOOP("Description", "down"),         QT_TRANSLATE_NOOP("Description", "down and to the right"),
    };
    // Eight sectors of 45°, each centred on its direction.
    const long eighths = std::lround(std::atan2(y, x) / (2 * std::numbers::pi) * 8);
    return {kDirections[(eighths + 8) % 8]};
}

std::vector<Sentence> DescribeBody(const Session& session)
{
    const RigidBody& body = session.Simulation().body;
    if (body.totalMass == 0.0)
        return {{QT_TRANSLATE_NOOP("Description", "There is no body: its data file was refused."), {}}};

    std::vector<Sentence> sentences = {RunState(session), Place(body), Turn(body)};
    const Vector3 f = body.force;
    if (f.x != 0.0 || f.y != 0.0)
        sentences.push_back({QT_TRANSLATE_NOOP("Description", "A force of %1 pushes it %2."),
                             {Spoken(std::hypot(f.x, f.y)), DirectionOf(f.x, f.y)}});
    if (body.torque.z != 0.0)
        sentences.push_back({QT_TRANSLATE_NOOP("Description", "A torque of %1 turns it %2."),
                             {Spoken(std::fabs(body.torque.z)), Sense(body.torque.z)}});
    sentences.push_back(WallAhead(session));
    return sentences;
}
