#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>

#include "math/vector3.h"
#include "session/canvas.h"
#include "session/simulation_context.h"
#include "session/translatable.h"

// Drawings over the scene that show what the three text lines cannot: where
// the centre of mass is and has been, which way it moves and is pushed, how
// fast the body turns, how its own axes and its principal axes lie. They only
// read the body.

enum class Overlay { Com, Velocity, Force, Omega, Trail, Axes, Principal };

// Which overlays are shown, one bit each in Overlay's order; a person starts
// with none.
struct Overlays {
    unsigned shown = 0;

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
inline constexpr Color kComColor = 0x0000D0;        // red
inline constexpr Color kVelocityColor = 0x00A000;   // green
inline constexpr Color kForceColor = 0x0080FF;      // orange
inline constexpr Color kOmegaColor = 0xC000C0;      // magenta
inline constexpr Color kTrailColor = 0x909090;      // grey
inline constexpr Color kAxesColor = 0x808000;       // teal
inline constexpr Color kPrincipalColor = 0x13458B;  // brown

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
// Principal axes: lines without heads through the centre of mass (an axis of
// inertia has no direction). The axis of the smaller moment, along which the
// body is longest, reaches this many pixels to either side; the other is
// shorter by √(smaller / larger), as the axes of the body's ellipse of inertia
// are, so a body with equal moments shows a cross of equal arms.
inline constexpr double kPrincipalHalfLength = 40.0;

// Every overlay, once: the word a script and the settings write, the View
// menu's title (with its mnemonic), its colour, and its legend for the help
// page, where %1, %2 and %3 stand for the numbers that follow it. The title
// and the legend are marked for a window to translate.
struct OverlayEntry {
    Overlay overlay;
    std::string_view word;
    std::string_view title;
    Color color;
    std::string_view legend;
    std::array<double, 3> legendNumbers{};
};

inline constexpr std::array<OverlayEntry, 7> kOverlayTable = {{
    {Overlay::Com,
     "com",
     QT_TRANSLATE_NOOP("Overlay", "&Centre of mass"),
     kComColor,
     QT_TRANSLATE_NOOP("Overlay", "a cross %1 pixels to each side"),
     {kComCrossHalfWidth}},
    {Overlay::Velocity,
     "velocity",
     QT_TRANSLATE_NOOP("Overlay", "&Velocity"),
     kVelocityColor,
     QT_TRANSLATE_NOOP("Overlay", "an arrow of %1 pixels per u/tu of velocity"),
     {kVelocityPixelsPerUnit}},
    {Overlay::Force,
     "force",
     QT_TRANSLATE_NOOP("Overlay", "&Force"),
     kForceColor,
     QT_TRANSLATE_NOOP("Overlay", "an arrow of %1 pixel per mu·u/tu² of force, as a push draws it"),
     {kForcePixelsPerUnit}},
    {Overlay::Omega,
     "omega",
     QT_TRANSLATE_NOOP("Overlay", "&Angular velocity"),
     kOmegaColor,
     QT_TRANSLATE_NOOP(
         "Overlay",
         "an arc of radius %1 pixels, counter-clockwise for a positive ωz, sweeping %2 radians per rad/tu (at "
         "most %3)"),
     {kOmegaRadius, kOmegaSweepPerUnit, kOmegaLargestSweep}},
    {Overlay::Trail,
     "trail",
     QT_TRANSLATE_NOOP("Overlay", "&Trail"),
     kTrailColor,
     QT_TRANSLATE_NOOP("Overlay", "the centre of mass's path since the last setup, the last %1 steps"),
     {kTrailLength}},
    {Overlay::Axes,
     "axes",
     QT_TRANSLATE_NOOP("Overlay", "Body a&xes"),
     kAxesColor,
     QT_TRANSLATE_NOOP(
         "Overlay",
         "the body's own x and y axes, %1 pixels to each side, head on the positive end: the data file's x and y, "
         "turned with the body; not its principal axes"),
     {kAxisHalfLength}},
    {Overlay::Principal,
     "principal",
     QT_TRANSLATE_NOOP("Overlay", "&Principal axes"),
     kPrincipalColor,
     QT_TRANSLATE_NOOP(
         "Overlay",
         "the principal axes of inertia in the plane, which need not be the body's own axes: the axis of the smaller "
         "moment (the body's long direction) %1 pixels to each side, the other shorter by the square root of the "
         "moments' ratio"),
     {kPrincipalHalfLength}},
}};

const OverlayEntry& EntryOf(Overlay overlay);
// The overlay a script or the settings name, or nothing.
std::optional<Overlay> OverlayNamed(std::string_view word);

// Draws the shown overlays over the picture: trail, axes, principal axes,
// centre of mass, velocity, force, angular velocity, each in its colour, and leaves the pen
// black again. With none shown it makes no call on the canvas at all. A part
// whose pixels are not finite or would not fit an int is left out.
void DrawOverlays(Canvas& canvas, const SimulationContext& simulation, const Overlays& overlays, const Trail& trail);
