#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>

#include "math/vector3.h"
#include "session/canvas.h"
#include "session/simulation_context.h"

// Drawings over the scene that show what the three text lines cannot: where
// the centre of mass is and has been, which way it moves and is pushed, how
// fast the body turns and how its own axes lie. They only read the body.

enum class Overlay { Com, Velocity, Force, Omega, Trail, Axes };

inline constexpr std::array<Overlay, 6> kEveryOverlay = {Overlay::Com,   Overlay::Velocity, Overlay::Force,
                                                         Overlay::Omega, Overlay::Trail,    Overlay::Axes};

// The word a script writes for it: com, velocity, force, omega, trail, axes.
std::string_view OverlayName(Overlay overlay);
std::optional<Overlay> OverlayNamed(std::string_view name);

// Which overlays are shown; a person starts with none.
struct Overlays {
    bool com = false;
    bool velocity = false;
    bool force = false;
    bool omega = false;
    bool trail = false;
    bool axes = false;

    friend bool operator==(const Overlays&, const Overlays&) = default;
};

bool IsShown(const Overlays& overlays, Overlay overlay);
void SetShown(Overlays& overlays, Overlay overlay, bool shown);

// The path of the centre of mass since the last setup: one point after every
// step, the oldest dropped beyond kTrailLength. Points are kept in world
// coordinates, so the trail follows the body when the drawing area's height
// changes; the pixel path is formed as it is drawn. A setup empties it.
inline constexpr std::size_t kTrailLength = 2000;

struct Trail {
    std::deque<Vector3> points;  // world coordinates, oldest first
};

void AppendToTrail(Trail& trail, Vector3 position);

// The legend, in 0x00BBGGRR. None is the discs' blue, and none is black, which
// the push arrow uses.
inline constexpr Color kComColor = 0x0000D0;       // red
inline constexpr Color kVelocityColor = 0x00A000;  // green
inline constexpr Color kForceColor = 0x0080FF;     // orange
inline constexpr Color kOmegaColor = 0xC000C0;     // magenta
inline constexpr Color kTrailColor = 0x909090;     // grey
inline constexpr Color kAxesColor = 0x808000;      // teal

// The scales, in pixels of the drawing area.
// Half the width of the centre of mass's cross.
inline constexpr int kComCrossHalfWidth = 5;
// Velocity arrow: pixels per unit of velocity (world units per time unit). At
// the scale of 4 pixels per world unit the arrow spans where the centre of
// mass will be 5 time units (25 steps) on, if nothing changes.
inline constexpr double kVelocityPixelsPerUnit = 20.0;
// Force arrow: one pixel per unit of force, y up, as a push makes it: a push's
// arrow and the force arrow of a body it was the only push on are the same.
inline constexpr double kForcePixelsPerUnit = 1.0;
// Angular velocity: an arc of this radius about the centre of mass, starting
// on the +x side and turning counter-clockwise for a positive ω.z. It sweeps
// the angle the body turns in 2 time units (kOmegaSweepPerUnit radians of arc
// per rad/time), at most kOmegaLargestSweep, so that it never closes.
inline constexpr double kOmegaRadius = 24.0;
inline constexpr double kOmegaSweepPerUnit = 2.0;
inline constexpr double kOmegaLargestSweep = 5.5;  // radians, about 315°
// Body axes: each axis drawn this many pixels to either side of the centre of
// mass, its head on the positive side.
inline constexpr double kAxisHalfLength = 30.0;

// Draws the shown overlays over the picture: trail, axes, centre of mass,
// velocity, force, angular velocity, each in its colour, and leaves the pen
// black again. With none shown it makes no call on the canvas at all. A part
// whose pixels are not finite or would not fit an int is left out.
void DrawOverlays(Canvas& canvas, const SimulationContext& simulation, const Overlays& overlays, const Trail& trail);
