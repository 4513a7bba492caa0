#include "session/overlays.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "session/mouse_push.h"
#include "session/pixel.h"
#include "session/quantities.h"

namespace {

struct Pixel {
    int x = 0;
    int y = 0;

    friend bool operator==(const Pixel&, const Pixel&) = default;
};

std::optional<Pixel> ToPixel(double x, double y)
{
    const std::optional<int> column = TruncateToPixel(x);
    const std::optional<int> row = TruncateToPixel(y);
    if (!column || !row) return std::nullopt;
    return Pixel{*column, *row};
}

// Where the push sees a world point: (scale·x, H − scale·y), truncated.
std::optional<Pixel> WorldToPixel(Vector3 point, double scale, int height)
{
    return ToPixel(scale * point.x, height - scale * point.y);
}

// The pixel dx to the right of `from` and dy above it.
std::optional<Pixel> Offset(Pixel from, double dx, double dy) { return ToPixel(from.x + dx, from.y - dy); }

// An arrow from `tail` to `tip`; one without length has no direction to show.
void Arrow(Canvas& canvas, std::optional<Pixel> tail, std::optional<Pixel> tip)
{
    if (!tail || !tip || *tail == *tip) return;
    DrawArrow(canvas, tip->x, tip->y, tail->x, tail->y);
}

void DrawTrail(Canvas& canvas, const Trail& trail, double scale, int height)
{
    // A point that has no pixel breaks the line in two.
    bool joined = false;
    for (Vector3 point : trail.points) {
        const std::optional<Pixel> pixel = WorldToPixel(point, scale, height);
        if (!pixel) {
            joined = false;
        } else if (joined) {
            canvas.LineTo(pixel->x, pixel->y);
        } else {
            canvas.MoveTo(pixel->x, pixel->y);
            joined = true;
        }
    }
}

void DrawCross(Canvas& canvas, Pixel com)
{
    const auto left = Offset(com, -kComCrossHalfWidth, 0), right = Offset(com, kComCrossHalfWidth, 0);
    const auto top = Offset(com, 0, kComCrossHalfWidth), bottom = Offset(com, 0, -kComCrossHalfWidth);
    if (!left || !right || !top || !bottom) return;
    canvas.MoveTo(left->x, left->y);
    canvas.LineTo(right->x, right->y);
    canvas.MoveTo(top->x, top->y);
    canvas.LineTo(bottom->x, bottom->y);
}

// The body frame's x and y axes are the first two columns of `rotation`; z is
// not drawn, as nothing of the scene is.
void DrawAxes(Canvas& canvas, Pixel com, const Matrix3& rotation)
{
    for (int column : {0, 1}) {
        const double dx = kAxisHalfLength * rotation(0, column);
        const double dy = kAxisHalfLength * rotation(1, column);
        Arrow(canvas, Offset(com, -dx, -dy), Offset(com, dx, dy));
    }
}

void DrawPrincipalAxes(Canvas& canvas, Pixel com, const RigidBody& body)
{
    const PrincipalAxes axes = PrincipalAxesOf(body.bodyInertia);
    // The empty body has no axes; a ratio that is no number draws nothing.
    const double ratio = axes.smaller / axes.larger;
    if (!(ratio >= 0 && ratio <= 1)) return;
    const double c = std::cos(axes.angle), s = std::sin(axes.angle);
    // In the body frame, the smaller moment's axis and the one perpendicular
    // to it, turned into the world as the body is.
    const struct {
        Vector3 along;
        double halfLength;
    } lines[] = {{Multiply(body.rotation, Vector3{c, s, 0}), kPrincipalHalfLength},
                 {Multiply(body.rotation, Vector3{-s, c, 0}), kPrincipalHalfLength * std::sqrt(ratio)}};
    for (const auto& line : lines) {
        const double dx = line.halfLength * line.along.x, dy = line.halfLength * line.along.y;
        const auto from = Offset(com, -dx, -dy), to = Offset(com, dx, dy);
        if (!from || !to) return;
        canvas.MoveTo(from->x, from->y);
        canvas.LineTo(to->x, to->y);
    }
}

void DrawOmega(Canvas& canvas, Pixel com, double omegaZ)
{
    if (!std::isfinite(omegaZ) || omegaZ == 0.0) return;
    const double sweep = std::copysign(std::min(kOmegaSweepPerUnit * std::abs(omegaZ), kOmegaLargestSweep), omegaZ);
    // A chord every 10° at most looks round at this radius.
    const int chords = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 18))));
    std::optional<Pixel> previous, current;
    for (int i = 0; i <= chords; ++i) {
        const double angle = sweep * i / chords;
        previous = current;
        current = Offset(com, kOmegaRadius * std::cos(angle), kOmegaRadius * std::sin(angle));
        if (!current) return;
        if (i == 0) {
            canvas.MoveTo(current->x, current->y);
        } else if (i < chords) {
            canvas.LineTo(current->x, current->y);
        }
    }
    // The last chord carries the head, so the arrow points the way it turns.
    Arrow(canvas, previous, current);
}

}  // namespace

// EntryOf looks an overlay up by its place.
static_assert(
    [] {
        for (std::size_t i = 0; i < kOverlayTable.size(); ++i)
            if (static_cast<std::size_t>(kOverlayTable[i].overlay) != i) return false;
        return true;
    }(),
    "the table lists the overlays in their enumeration's order");

const OverlayEntry& EntryOf(Overlay overlay) { return kOverlayTable.at(static_cast<std::size_t>(overlay)); }

std::optional<Overlay> OverlayNamed(std::string_view word)
{
    for (const OverlayEntry& entry : kOverlayTable)
        if (entry.word == word) return entry.overlay;
    return std::nullopt;
}

namespace {

unsigned Bit(Overlay overlay) { return 1U << static_cast<unsigned>(overlay); }

}  // namespace

bool IsShown(const Overlays& overlays, Overlay overlay) { return (overlays.shown & Bit(overlay)) != 0; }

void SetShown(Overlays& overlays, Overlay overlay, bool shown)
{
    overlays.shown = shown ? overlays.shown | Bit(overlay) : overlays.shown & ~Bit(overlay);
}

void AppendToTrail(Trail& trail, Vector3 position)
{
    trail.points.push_back(position);
    if (trail.points.size() > kTrailLength) trail.points.pop_front();
}

void DrawOverlays(Canvas& canvas, const SimulationContext& simulation, const Overlays& overlays, const Trail& trail)
{
    if (overlays == Overlays{}) return;
    const RigidBody& body = simulation.body;
    const double scale = simulation.settings.scale;
    const int height = canvas.Height();

    if (IsShown(overlays, Overlay::Trail)) {
        canvas.SetPenColor(kTrailColor);
        DrawTrail(canvas, trail, scale, height);
    }
    if (const std::optional<Pixel> com = WorldToPixel(body.position, scale, height)) {
        if (IsShown(overlays, Overlay::Axes)) {
            canvas.SetPenColor(kAxesColor);
            DrawAxes(canvas, *com, body.rotation);
        }
        if (IsShown(overlays, Overlay::Principal)) {
            canvas.SetPenColor(kPrincipalColor);
            DrawPrincipalAxes(canvas, *com, body);
        }
        if (IsShown(overlays, Overlay::Com)) {
            canvas.SetPenColor(kComColor);
            DrawCross(canvas, *com);
        }
        if (IsShown(overlays, Overlay::Velocity)) {
            canvas.SetPenColor(kVelocityColor);
            Arrow(canvas, com,
                  Offset(*com, kVelocityPixelsPerUnit * body.linearVelocity.x,
                         kVelocityPixelsPerUnit * body.linearVelocity.y));
        }
        if (IsShown(overlays, Overlay::Force)) {
            canvas.SetPenColor(kForceColor);
            Arrow(canvas, com, Offset(*com, kForcePixelsPerUnit * body.force.x, kForcePixelsPerUnit * body.force.y));
        }
        if (IsShown(overlays, Overlay::Omega)) {
            canvas.SetPenColor(kOmegaColor);
            DrawOmega(canvas, *com, body.angularVelocity.z);
        }
    }
    // The scene and the push draw in black and set no pen of their own.
    canvas.SetPenColor(kBlack);
}
