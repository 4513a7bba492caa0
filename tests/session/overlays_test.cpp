#include "session/overlays.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "session/mouse_push.h"
#include "tests/session/recording_canvas.h"

namespace {

std::vector<std::string> Pen(Color color) { return {"pen " + std::to_string(color)}; }

std::vector<std::string> ArrowCalls(int tipX, int tipY, int tailX, int tailY)
{
    RecordingCanvas canvas(879, 552);
    DrawArrow(canvas, tipX, tipY, tailX, tailY);
    return canvas.calls;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> joined;
    for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// The body at (100, 60), so its centre of mass lands on the pixel (400, 312)
// of a 552-pixel-high area at the scale of 4, turned a quarter turn
// counter-clockwise.
SimulationContext Moving()
{
    SimulationContext simulation;
    RigidBody& body = simulation.body;
    body.position = {100, 60, 0};
    body.rotation.m = {0, -1, 0, 1, 0, 0, 0, 0, 1};
    body.linearVelocity = {1, 0.5, 0};
    body.force = {30, -40, 0};
    body.angularVelocity = {0, 0, 0.5};
    // Principal moments 1 about the body's x axis and 4 about its y axis.
    body.bodyInertia.m = {1, 0, 0, 0, 4, 0, 0, 0, 5};
    return simulation;
}

std::vector<std::string> Drawn(const SimulationContext& simulation, Overlay overlay, const Trail& trail = {})
{
    Overlays overlays;
    SetShown(overlays, overlay, true);
    RecordingCanvas canvas(879, 552);
    DrawOverlays(canvas, simulation, overlays, trail);
    return canvas.calls;
}

}  // namespace

TEST(DrawOverlays, EachOverlayDrawsItsOwnShapeInItsColour)
{
    Trail trail;
    for (Vector3 point : {Vector3{100, 60, 0}, Vector3{101, 60, 0}, Vector3{std::nan(""), 0, 0}, Vector3{102, 61, 0}})
        AppendToTrail(trail, point);
    const std::vector<std::string> black = Pen(kBlack);
    struct Row {
        Overlay overlay;
        std::vector<std::string> calls;
    };
    const Row table[] = {
        {Overlay::Com, Join({Pen(kComColor), {"move 395 312", "line 405 312", "move 400 307", "line 400 317"}, black})},
        // 20 pixels per unit of velocity, y up.
        {Overlay::Velocity, Join({Pen(kVelocityColor), ArrowCalls(420, 302, 400, 312), black})},
        // One pixel per unit of force, as the push drew it.
        {Overlay::Force, Join({Pen(kForceColor), ArrowCalls(430, 352, 400, 312), black})},
        // Turned a quarter turn, the body's x axis points up and its y axis left.
        {Overlay::Axes, Join({Pen(kAxesColor), ArrowCalls(400, 282, 400, 342), ArrowCalls(370, 312, 430, 312), black})},
        // Along the body's x axis, now up, 40 pixels to each side; the other
        // axis shorter by √(1/4). No heads: an axis of inertia has no sense.
        {Overlay::Principal,
         Join({Pen(kPrincipalColor), {"move 400 352", "line 400 272", "move 420 312", "line 380 312"}, black})},
        // A point without a pixel breaks the path.
        {Overlay::Trail, Join({Pen(kTrailColor), {"move 400 312", "line 404 312", "move 408 308"}, black})},
    };
    for (const Row& row : table) EXPECT_EQ(Drawn(Moving(), row.overlay, trail), row.calls) << EntryOf(row.overlay).word;

    // ω.z = 0.5 sweeps one radian counter-clockwise from the +x side, in six
    // chords, the head on the last; a negative ω.z mirrors it below.
    const std::vector<std::string> omega = Drawn(Moving(), Overlay::Omega);
    ASSERT_GE(omega.size(), 3u);
    EXPECT_EQ(omega[1], "move 424 312");
    EXPECT_EQ(omega.size(), 14u);
    EXPECT_EQ(std::vector(omega.end() - 7, omega.end()), Join({ArrowCalls(412, 291, 416, 294), black}));
    SimulationContext backwards = Moving();
    backwards.body.angularVelocity.z = -0.5;
    const std::vector<std::string> mirrored = Drawn(backwards, Overlay::Omega);
    EXPECT_EQ(mirrored.size(), omega.size());
    EXPECT_EQ(mirrored[mirrored.size() - 7], "move 412 332");
}

TEST(DrawOverlays, NothingShownDrawsNothingAndNoStateBreaksIt)
{
    Overlays none;
    RecordingCanvas canvas(879, 552);
    DrawOverlays(canvas, Moving(), none, Trail{{Vector3{1, 2, 3}}});
    EXPECT_TRUE(canvas.calls.empty());

    // A body at rest, unturned, shows where it is and its axes, and no arrow
    // nor arc.
    Overlays all;
    for (const OverlayEntry& entry : kOverlayTable) SetShown(all, entry.overlay, true);
    for (const OverlayEntry& entry : kOverlayTable) EXPECT_TRUE(IsShown(all, entry.overlay));
    SimulationContext rest;
    rest.body.position = {100, 60, 0};
    DrawOverlays(canvas, rest, all, Trail{});
    EXPECT_EQ(canvas.calls, Join({Pen(kTrailColor),
                                  Pen(kAxesColor),
                                  ArrowCalls(430, 312, 370, 312),
                                  ArrowCalls(400, 282, 400, 342),
                                  Pen(kPrincipalColor),
                                  Pen(kComColor),
                                  {"move 395 312", "line 405 312", "move 400 307", "line 400 317"},
                                  Pen(kVelocityColor),
                                  Pen(kForceColor),
                                  Pen(kOmegaColor),
                                  Pen(kBlack)}));

    // Centres, velocities and turns that have no pixel draw nothing, and the
    // pen is left black.
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), inf, -inf, 1e300, 3e9}) {
        SimulationContext broken = Moving();
        broken.body.position = {bad, bad, 0};
        SimulationContext wild = Moving();
        wild.body.linearVelocity = {bad, 1, 0};
        wild.body.force = {-bad, 0, 0};
        wild.body.angularVelocity.z = std::isfinite(bad) ? 0.0 : bad;
        Overlays moving;
        for (Overlay overlay : {Overlay::Velocity, Overlay::Force, Overlay::Omega, Overlay::Trail})
            SetShown(moving, overlay, true);
        for (const auto& [simulation, shown] : {std::pair{broken, all}, std::pair{wild, moving}}) {
            RecordingCanvas drawn(879, 552);
            DrawOverlays(drawn, simulation, shown, Trail{{Vector3{bad, 0, 0}}});
            EXPECT_EQ(drawn.calls.back(), "pen 0");
            for (const std::string& call : drawn.calls) EXPECT_EQ(call.rfind("line", 0), std::string::npos) << bad;
        }
    }
}

TEST(Trail, KeepsTheLatestPoints)
{
    Trail trail;
    for (std::size_t i = 0; i <= kTrailLength; ++i) AppendToTrail(trail, {static_cast<double>(i), 0, 0});
    ASSERT_EQ(trail.points.size(), kTrailLength);
    EXPECT_EQ(trail.points.front().x, 1.0);
    EXPECT_EQ(trail.points.back().x, static_cast<double>(kTrailLength));
}
