#include "session/mouse_push.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "session/pixel.h"

namespace {

// Pixel sums and differences in 64 bits: coordinates may come from anywhere
// in the int range (a release far outside the window, a scripted event).
int Saturate(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

bool HoldsParticle(const DragState& drag, const RigidBody& body, const SimulationSettings& settings)
{
    return drag.particleIndex >= 0 && static_cast<double>(drag.particleIndex) < settings.particleCount &&
           static_cast<std::size_t>(drag.particleIndex) < body.particles.size();
}

bool PressHits(const Particle& particle, Vector3 position, double scale, int height, int x, int y)
{
    const double row = static_cast<double>(static_cast<long long>(height) - y);
    const double dx = scale * (particle.centerOfMass.x + position.x) - x;
    const double dy = scale * (particle.centerOfMass.y + position.y) - row;
    return std::sqrt(dx * dx + dy * dy) <= scale * particle.radius;
}

std::optional<PixelPoint> PushStart(const Particle& particle, Vector3 position, double scale, int height)
{
    const auto x = TruncateToPixel(scale * (particle.centerOfMass.x + position.x));
    const auto y = TruncateToPixel(height - scale * (particle.centerOfMass.y + position.y));
    if (!x || !y) return std::nullopt;
    return PixelPoint{*x, *y};
}

int ParticleAt(const RigidBody& body, const SimulationSettings& settings, int height, int x, int y)
{
    for (std::size_t i = 0; static_cast<double>(i) < settings.particleCount && i < body.particles.size(); ++i)
        if (PressHits(body.particles[i], body.position, settings.scale, height, x, y) && i <= INT_MAX)
            return static_cast<int>(i);
    return -1;
}

void PressAt(DragState& drag, const RigidBody& body, const SimulationSettings& settings, int height, int x, int y)
{
    drag.particleIndex = ParticleAt(body, settings, height, x, y);
    if (drag.particleIndex == -1) return;

    // A hit lies within a few pixels of (x, y), so the start fits unless
    // (x, y) sits at the very edge of the int range; then the press grabs
    // nothing.
    const auto start =
        PushStart(body.particles[static_cast<std::size_t>(drag.particleIndex)], body.position, settings.scale, height);
    if (!start) {
        drag.particleIndex = -1;
        return;
    }
    drag.startX = start->x;
    drag.startY = start->y;
}

void ReleaseAt(DragState& drag, RigidBody& body, const SimulationSettings& settings, Canvas& canvas, TextCells& cells,
               int x, int y)
{
    if (drag.particleIndex == -1) return;
    // A setup between press and release may have left fewer particles than
    // the grabbed index: such a grab touches nothing.
    if (HoldsParticle(drag, body, settings)) {
        DrawArrow(canvas, x, y, drag.startX, drag.startY);

        const Vector3 push{static_cast<double>(static_cast<long long>(x) - drag.startX),
                           static_cast<double>(static_cast<long long>(drag.startY) - y), 0.0};
        body.force = Add(body.force, push);
        const Vector3 lever = body.particles[static_cast<std::size_t>(drag.particleIndex)].centerOfMass;
        body.torque = Add(body.torque, Cross(lever, push));
        DrawScene(canvas, body, settings, 0.0, cells);
    }
    drag = DragState{};
}

void DrawArrow(Canvas& canvas, int tipX, int tipY, int tailX, int tailY)
{
    canvas.MoveTo(tipX, tipY);
    canvas.LineTo(tailX, tailY);
    if (tipX == tailX && tipY == tailY) return;

    // (c, s) is the unit vector from tail to tip, in pixels with y down. Each
    // barb ends 8 pixels back along the shaft and 4 to one side.
    const double a = std::atan2(static_cast<double>(static_cast<long long>(tipY) - tailY),
                                static_cast<double>(static_cast<long long>(tipX) - tailX));
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double length = 8.0;
    const double halfWidth = length * 0.5;
    auto offset = [](double value) { return static_cast<long long>(std::trunc(value)); };

    canvas.MoveTo(tipX, tipY);
    canvas.LineTo(Saturate(tipX + offset(-length * c - halfWidth * s)),
                  Saturate(tipY + offset(halfWidth * c - length * s)));
    canvas.MoveTo(Saturate(tipX + offset(-length * c + halfWidth * s)),
                  Saturate(tipY - offset(length * s + halfWidth * c)));
    canvas.LineTo(tipX, tipY);
}
