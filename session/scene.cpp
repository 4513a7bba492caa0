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

std::optional<Rect> ParticleBounds(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                   int height)
{
    // The x and y of the rotated offset exactly as Multiply forms them.
    const Vector3 c = particle.centerOfMass;
    const double wx = rotation(0, 0) * c.x + rotation(0, 1) * c.y + rotation(0, 2) * c.z;
    const double wy = rotation(1, 0) * c.x + rotation(1, 1) * c.y + rotation(1, 2) * c.z;
    const double r = particle.radius;
    const double left = (position.x + wx - r) * scale;
    const double right = 2 * r * scale + left;
    const double lower = height - (position.y + wy - r) * scale;
    const double upper = lower - 2 * r * scale;

    // Also false for NaN.
    constexpr double kFar = 0x1p30;
    if (!(std::fabs(left) < kFar && std::fabs(right) < kFar && std::fabs(lower) < kFar && std::fabs(upper) < kFar))
        return std::nullopt;
    // Every rounding here and in ParticleBox is within 2^-53 of a value no
    // larger than the height plus the corners' and the box's sizes, all below
    // 2^32: each corner differs from ParticleBox's by less than 2^-10, and
    // its truncation lies between the floor and the ceiling of ours widened by that.
    constexpr double kError = 0x1p-10;
    const auto floorToInt = [](double v) {
        const int t = static_cast<int>(v);
        return t > v ? t - 1 : t;
    };
    const auto ceilToInt = [](double v) {
        const int t = static_cast<int>(v);
        return t < v ? t + 1 : t;
    };
    return Rect{floorToInt(std::min(left, right) - kError), floorToInt(std::min(lower, upper) - kError),
                ceilToInt(std::max(left, right) + kError), ceilToInt(std::max(lower, upper) + kError)};
}

namespace {
// The particles a frame draws: indices i from 0 while i, as a double, is less
// than the count, and never past the particles there are.
class ParticleDiscs final : public DiscRun {
public:
    ParticleDiscs(const RigidBody& body, const SimulationSettings& settings, int height)
        : body_(body), scale_(settings.scale), height_(height)
    {
        const double wanted = settings.particleCount;
        if (!(wanted > 0))
            count_ = 0;
        else if (wanted >= static_cast<double>(body.particles.size()))
            count_ = body.particles.size();
        else
            count_ = static_cast<std::size_t>(std::ceil(wanted));
    }

    std::size_t Count() const override { return count_; }
    std::optional<EllipseBox> Box(std::size_t i) const override
    {
        return ParticleBox(body_.particles[i], body_.position, body_.rotation, scale_, height_);
    }
    std::optional<Rect> Bounds(std::size_t i) const override
    {
        // A canvas asks backwards; the particles are too many for the cache.
        if (i >= kAhead) __builtin_prefetch(&body_.particles[i - kAhead]);
        return ParticleBounds(body_.particles[i], body_.position, body_.rotation, scale_, height_);
    }

private:
    static constexpr std::size_t kAhead = 16;

    const RigidBody& body_;
    double scale_;
    int height_;
    std::size_t count_;
};

}  // namespace

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

    const ParticleDiscs particles(body, settings, canvas.Height());
    if (particles.Count() > 0) {
        canvas.SetBrushColor(kBlue);
        canvas.Discs(particles);
    }

    if (clear != 0) cells = TextCells{};
    DrawTextBlock(canvas, body, cells);
}

void DrawScene(Canvas& canvas, const RigidBody& body, const SimulationSettings& settings, double clear)
{
    TextCells cells;
    DrawScene(canvas, body, settings, clear, cells);
}
