#pragma once

#include <array>
#include <optional>
#include <string>

#include "sim/rigid_body.h"
#include "session/canvas.h"

// The disc of a particle of a body at position and rotation, on a picture
// `height` pixels high. Nothing when a corner is not finite or its truncation
// would not fit an int: such a disc lies far outside any picture.
std::optional<EllipseBox> ParticleBox(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                      int height);

// A rectangle holding every pixel of ParticleBox's box, from the same sums in
// double precision widened by their rounding error: a few times cheaper than
// the box. Nothing when a value is not finite or lies far beyond any picture.
std::optional<Rect> ParticleBounds(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                   int height);

void DrawParticle(Canvas& canvas, const Particle& particle, Vector3 position, const Matrix3& rotation, double scale);

// The three lines of the text block: force, linear velocity, acceleration.
std::array<std::string, 3> SceneText(const RigidBody& body);

// What the text block has written on the picture since the last clearing
// redraw: for each line, the width in pixels of the widest text drawn in its
// place. A frame drawn without clearing blanks that much of a line before it
// writes a shorter one, so that no tail of an earlier text is left standing.
// The caller keeps one for each picture, from frame to frame.
struct TextCells {
    std::array<int, 3> widest{};

    friend bool operator==(const TextCells&, const TextCells&) = default;
};

// One frame: with `clear` non-zero the picture is wiped first (and `cells`
// forgets what it held); with 0.0 the particles and the text block are painted
// over what is there.
void DrawScene(Canvas& canvas, const RigidBody& body, const SimulationSettings& settings, double clear,
               TextCells& cells);
// A frame with no earlier text to mind: a clearing one, or the first on a
// fresh picture.
void DrawScene(Canvas& canvas, const RigidBody& body, const SimulationSettings& settings, double clear);
