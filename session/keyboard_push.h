#pragma once

#include <optional>

#include "session/command.h"
#include "session/mouse_push.h"
#include "session/sentence.h"

class Session;

// A push made with keys is the press and the release a mouse would make, so
// that a recording or a replay cannot tell the two apart: the press where a
// press finds the chosen particle, the release at the push's start plus the
// push in pixels. A press finds a particle at its un-rotated place (see
// ParticleAt), which is where it is drawn only until the body turns.

// How many particles a press can find: those in use, no more than the body has.
int PushableCount(const RigidBody& body, const SimulationSettings& settings);

// The centre of particle `index` where it is drawn, turned with the body: in
// pixels of an area `height` pixels high, y down.
struct PicturePoint {
    double x = 0.0;
    double y = 0.0;
};
PicturePoint DrawnCentre(const RigidBody& body, const SimulationSettings& settings, int height, int index);

// Where a press grabs particle `index` in a drawing area of width × height
// pixels: the push's start when a press there finds it, else the first pixel
// of the area that does, going outwards from the start ring by ring. When no
// pixel does, `press` is empty and `covering` names the particle a press at
// the start finds instead, or is −1.
struct Grab {
    std::optional<PixelPoint> press;
    int covering = -1;
    bool startInArea = false;  // whether the push's start lies in the area
};
Grab FindGrab(const RigidBody& body, const SimulationSettings& settings, int width, int height, int index);

// The press and the release of a push of particle `index` by (dx, dy) pixels,
// y down; nothing when no press grabs it.
struct PushCommands {
    Command press;
    Command release;
};
std::optional<PushCommands> KeyboardPush(const Session& session, int index, int dx, int dy);

// What the keys of a push have set: particle `index` of `count`, the push by
// (dx, dy) pixels, y down, and what Enter and Escape do.
Sentence ChosenForPush(int index, int count, int dx, int dy);
// Why particle `index` cannot be pushed now.
Sentence CannotGrab(int index, const Grab& grab);

// The answers to keys that find nothing to push.
enum class NothingToPush {
    NoneChosen,  // Enter before a particle was chosen
    NoParticle,  // the body has none
    Cancelled,   // Escape
};
Sentence SayNothingToPush(NothingToPush why);
