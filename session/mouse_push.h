#pragma once

#include <optional>

#include "sim/rigid_body.h"
#include "session/canvas.h"
#include "session/scene.h"

// A grab between a press and its release; every field is −1 when idle. The
// release ends the grab in the event that applies it, so no field keeps it.
struct DragState {
    int startX = -1;  // pixels: the grabbed particle's centre at the press
    int startY = -1;
    int particleIndex = -1;  // into the body's particles, or −1

    friend bool operator==(const DragState&, const DragState&) = default;
};

// A pixel of the drawing area, y down.
struct PixelPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Whether the circle of `particle`, at its un-rotated place about a body at
// `position`, holds the pixel (x, y) of a drawing area `height` pixels high.
bool PressHits(const Particle& particle, Vector3 position, double scale, int height, int x, int y);

// Where a push on `particle` starts, and its arrow ends: the particle's
// un-rotated centre truncated to a pixel, or nothing beyond the int range.
std::optional<PixelPoint> PushStart(const Particle& particle, Vector3 position, double scale, int height);

// The first particle whose circle holds the pixel (x, y) of a drawing area
// `height` pixels high, or −1. Particles are tried at their un-rotated places:
// the body's position plus their body-frame offsets.
int ParticleAt(const RigidBody& body, const SimulationSettings& settings, int height, int x, int y);

// Whether a release now would push: a particle is grabbed, and the body still
// has it (a setup since the press may have left fewer particles).
bool HoldsParticle(const DragState& drag, const RigidBody& body, const SimulationSettings& settings);

// A press grabs the particle under (x, y), or drops any grab when it misses.
void PressAt(DragState& drag, const RigidBody& body, const SimulationSettings& settings, int height, int x, int y);

// A release applies the grab: the drag vector, y turned up, is added to the
// force and its moment about the centre of mass to the torque; the arrow is
// drawn and the scene painted over it without clearing, minding the `cells`
// of the text block kept with the picture. The grab then ends.
void ReleaseAt(DragState& drag, RigidBody& body, const SimulationSettings& settings, Canvas& canvas, TextCells& cells,
               int x, int y);

// The push arrow from the tail to the tip, its head at the tip. A zero-length
// arrow has no direction and gets no head.
void DrawArrow(Canvas& canvas, int tipX, int tipY, int tailX, int tailY);
