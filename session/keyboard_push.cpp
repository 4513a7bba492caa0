#include "session/keyboard_push.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "session/session.h"

int PushableCount(const RigidBody& body, const SimulationSettings& settings)
{
    // particleCount is a whole number: the indices below it are those it admits.
    const double count =
        std::min({static_cast<double>(body.particles.size()), settings.particleCount, double{INT_MAX}});
    return count > 0 ? static_cast<int>(count) : 0;
}

PicturePoint DrawnCentre(const RigidBody& body, const SimulationSettings& settings, int height, int index)
{
    const Vector3 offset = Multiply(body.rotation, body.particles[static_cast<std::size_t>(index)].centerOfMass);
    return {settings.scale * (body.position.x + offset.x), height - settings.scale * (body.position.y + offset.y)};
}

namespace {

// The pixels of the area that the circle of `particle` may hold, widened by a
// pixel on each side; empty when it lies beyond the area.
struct PixelBox {
    long long left = 0;
    long long top = 0;
    long long right = -1;
    long long bottom = -1;
};

PixelBox BoxAround(double x, double y, double radius, int width, int height)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius)) return {};
    auto clamped = [](double value, int last) {
        return static_cast<long long>(std::clamp(value, -1.0, static_cast<double>(last) + 1));
    };
    return {std::max(0LL, clamped(std::floor(x - radius) - 1, width)),
            std::max(0LL, clamped(std::floor(y - radius) - 1, height)),
            std::min<long long>(width - 1, clamped(std::ceil(x + radius) + 1, width)),
            std::min<long long>(height - 1, clamped(std::ceil(y + radius) + 1, height))};
}

}  // namespace

Grab FindGrab(const RigidBody& body, const SimulationSettings& settings, int width, int height, int index)
{
    const std::vector<Particle>& particles = body.particles;
    const Particle& chosen = particles[static_cast<std::size_t>(index)];
    const double s = settings.scale;
    const std::optional<PixelPoint> start = PushStart(chosen, body.position, s, height);
    if (!start) return {};
    Grab grab;
    grab.startInArea = start->x >= 0 && start->x < width && start->y >= 0 && start->y < height;

    // Only a particle of lower index near the chosen one can take a press
    // from it: those are found once, so that each pixel tried costs a few
    // tests even among a million particles.
    const double x = s * (chosen.centerOfMass.x + body.position.x);
    const double y = s * (chosen.centerOfMass.y + body.position.y);
    const double radius = s * chosen.radius;
    std::vector<const Particle*> nearer;
    for (int j = 0; j < index; ++j) {
        const Particle& other = particles[static_cast<std::size_t>(j)];
        const double reach = radius + s * other.radius + 2;
        if (std::fabs(s * (other.centerOfMass.x + body.position.x) - x) <= reach &&
            std::fabs(s * (other.centerOfMass.y + body.position.y) - y) <= reach)
            nearer.push_back(&other);
    }
    auto grabs = [&](long long px, long long py) {
        const int pixelX = static_cast<int>(px);
        const int pixelY = static_cast<int>(py);
        if (!PressHits(chosen, body.position, s, height, pixelX, pixelY)) return false;
        for (const Particle* other : nearer)
            if (PressHits(*other, body.position, s, height, pixelX, pixelY)) return false;
        // The hit test itself has the last word.
        return ParticleAt(body, settings, height, pixelX, pixelY) == index;
    };

    const PixelBox box = BoxAround(x, height - y, radius, width, height);
    const long long sx = start->x;
    const long long sy = start->y;
    // Rings around the start, from the first that meets the box to the last.
    const long long first = std::max({0LL, box.left - sx, sx - box.right, box.top - sy, sy - box.bottom});
    const long long last = std::max({sx - box.left, box.right - sx, sy - box.top, box.bottom - sy});
    auto grabsAt = [&](long long px, long long py) {
        if (px < box.left || px > box.right || !grabs(px, py)) return false;
        grab.press = PixelPoint{static_cast<int>(px), static_cast<int>(py)};
        return true;
    };
    for (long long k = first; box.left <= box.right && box.top <= box.bottom && k <= last; ++k) {
        for (long long py = std::max(sy - k, box.top); py <= std::min(sy + k, box.bottom); ++py) {
            // Along the ring's top and bottom rows every pixel; between them its two ends.
            if (py == sy - k || py == sy + k) {
                for (long long px = std::max(sx - k, box.left); px <= std::min(sx + k, box.right); ++px)
                    if (grabsAt(px, py)) return grab;
            } else if (grabsAt(sx - k, py) || grabsAt(sx + k, py)) {
                return grab;
            }
        }
    }
    if (grab.startInArea) grab.covering = ParticleAt(body, settings, height, start->x, start->y);
    return grab;
}

std::optional<PushCommands> KeyboardPush(const Session& session, int index, int dx, int dy)
{
    const SimulationContext& simulation = session.Simulation();
    const Grab grab = FindGrab(simulation.body, simulation.settings, session.Width(), session.Height(), index);
    if (!grab.press) return std::nullopt;
    const PixelPoint start = *PushStart(simulation.body.particles[static_cast<std::size_t>(index)],
                                        simulation.body.position, simulation.settings.scale, session.Height());
    auto clamped = [](long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); };
    return PushCommands{{.kind = CommandKind::Press, .x = grab.press->x, .y = grab.press->y},
                        {.kind = CommandKind::Release,
                         .x = clamped(static_cast<long long>(start.x) + dx),
                         .y = clamped(static_cast<long long>(start.y) + dy)}};
}

Sentence ChosenForPush(int index, int count, int dx, int dy)
{
    return {QT_TRANSLATE_NOOP("Description",
                              "Particle %1 of %2; the push goes %3 pixels %4 and %5 pixels %6. Enter pushes, Escape "
                              "cancels."),
            {SpokenNumber{index + 1.0, 0}, SpokenNumber{static_cast<double>(count), 0},
             SpokenNumber{std::fabs(static_cast<double>(dx)), 0},
             Phrase{dx < 0 ? QT_TRANSLATE_NOOP("Description", "to the left")
                           : QT_TRANSLATE_NOOP("Description", "to the right")},
             SpokenNumber{std::fabs(static_cast<double>(dy)), 0},
             Phrase{dy > 0 ? QT_TRANSLATE_NOOP("Description", "down") : QT_TRANSLATE_NOOP("Description", "up")}}};
}

Sentence CannotGrab(int index, const Grab& grab)
{
    const SpokenNumber particle{index + 1.0, 0};
    if (grab.covering >= 0)
        return {QT_TRANSLATE_NOOP("Description",
                                  "Particle %1 lies under particle %2 where a press finds it: it cannot be pushed."),
                {particle, SpokenNumber{grab.covering + 1.0, 0}}};
    if (!grab.startInArea)
        return {QT_TRANSLATE_NOOP("Description", "Particle %1 lies outside the drawing area: it cannot be pushed now."),
                {particle}};
    return {QT_TRANSLATE_NOOP("Description", "Particle %1 is too small for a press to find: it cannot be pushed."),
            {particle}};
}

Sentence SayNothingToPush(NothingToPush why)
{
    switch (why) {
    case NothingToPush::NoneChosen:
        return {QT_TRANSLATE_NOOP("Description", "No particle is chosen: N chooses one."), {}};
    case NothingToPush::NoParticle:
        return {QT_TRANSLATE_NOOP("Description", "There is no particle to push."), {}};
    case NothingToPush::Cancelled:
        break;
    }
    return {QT_TRANSLATE_NOOP("Description", "The push is cancelled."), {}};
}
