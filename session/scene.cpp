#include "session/scene.h"

#include <algorithm>
#include <cmath>

#include "math/extended.h"
#include "session/pixel.h"
#include "session/vector_text.h"

namespace {

constexpr Rect kTextPanel{0, 0, 70, 70};
constexpr int kTextLeft = 10;
constexpr int kTextTops[3] = {10, 30, 50};

void DrawTextBlock(Canvas& canvas, const RigidBody& body, TextCells& cells)
{
    canvas.SetBrushColor(kWhite);
    canvas.FillRect(kTextPanel);
    const std::array<std::string, 3> lines = SceneText(body);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int width = canvas.TextWidth(lines[i]);
        int& widest = cells.widest[i];
        // Only the new text's own cells get painted: the tail of a longer
        // earlier one is blanked first. A line no shorter than any before it
        // paints exactly what it would without this.
        if (width < widest)
            canvas.FillRect(
                {kTextLeft + width, kTextTops[i], kTextLeft + widest, kTextTops[i] + canvas.TextHeight(lines[i])});
        widest = std::max(widest, width);
        canvas.TextOut(kTextLeft, kTextTops[i], lines[i]);
    }
}

}  // namespace

std::optional<EllipseBox> ParticleBox(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                      int height)
{
    const Vector3 w = Multiply(rotation, particle.centerOfMass);
    // Any corner formed from a value that is not finite is not finite itself,
    // and such a disc is not drawn.
    for (double value : {position.x, position.y, w.x, w.y, particle.radius, scale})
        if (!std::isfinite(value)) return std::nullopt;

    // Each corner is formed in extended precision and stored as a double; the
    // far corners are built from the stored near ones.
    const Extended r = ToExtended(particle.radius);
    const Extended s = ToExtended(scale);
    const Extended diameter = Multiply(Add(r, r), s);  // 2·r·s
    const double left = ToDouble(Multiply(Subtract(Add(ToExtended(position.x), ToExtended(w.x)), r), s));
    const double lower =
        ToDouble(Subtract(ToExtended(height), Multiply(Subtract(Add(ToExtended(position.y), ToExtended(w.y)), r), s)));
    const double right = ToDouble(Add(diameter, ToExtended(left)));
    const double upper = ToDouble(Subtract(ToExtended(lower), diameter));

    const auto x1 = TruncateToPixel(left), y1 = TruncateToPixel(lower);
    const auto x2 = TruncateToPixel(right), y2 = TruncateToPixel(upper);
    if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
    return EllipseBox{*x1, *y1, *x2, *y2};
}

void DrawParticle(Canvas& canvas, const Particle& particle, Vector3 position, const Matrix3& rotation, double scale)
{
    canvas.SetBrushColor(kBlue);
    if (const auto box = ParticleBox(particle, position, rotation, scale, canvas.Height()))
        canvas.Ellipse(box->x1, box->y1, box->x2, box->y2);
}

std::array<std::string, 3> SceneText(const RigidBody& body)
{
    // The empty body has no mass; its acceleration reads zero.
    const Vector3 acceleration = body.totalMass == 0.0 ? ZeroVector() : Scale(body.force, 1 / body.totalMass);
    return {"force = " + VectorToText(body.force), "linear velocity = " + VectorToText(body.linearVelocity),
            "acceleration = " + VectorToText(acceleration)};
}

void DrawScene(Canvas& canvas, const RigidBody& body, const SimulationSettings& settings, double clear,
               TextCells& cells)
{
    // The brush is white here: every frame ends with it white.
    if (clear != 0) canvas.FillRect(canvas.ClipRect());

    for (std::size_t i = 0; static_cast<double>(i) < settings.particleCount && i < body.particles.size(); ++i)
        DrawParticle(canvas, body.particles[i], body.position, body.rotation, settings.scale);

    if (clear != 0) cells = TextCells{};
    DrawTextBlock(canvas, body, cells);
}

void DrawScene(Canvas& canvas, const RigidBody& body, const SimulationSettings& settings, double clear)
{
    TextCells cells;
    DrawScene(canvas, body, settings, clear, cells);
}
