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

namespace {

// The four corners of a particle's box in double precision: the sums of
// ParticleBox, each rounded to a double as it is formed.
struct DoubleCorners {
    double left;
    double right;
    double lower;
    double upper;
};

inline DoubleCorners CornersInDoubles(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                      int height)
{
    // The x and y of the rotated offset exactly as Multiply forms them.
    const Vector3 c = particle.centerOfMass;
    const double wx = rotation(0, 0) * c.x + rotation(0, 1) * c.y + rotation(0, 2) * c.z;
    const double wy = rotation(1, 0) * c.x + rotation(1, 1) * c.y + rotation(1, 2) * c.z;
    const double r = particle.radius;
    const double left = (position.x + wx - r) * scale;
    const double lower = height - (position.y + wy - r) * scale;
    return {left, 2 * r * scale + left, lower, lower - 2 * r * scale};
}

// Every rounding in CornersInDoubles and in ParticleBox's extended sums is
// within 2^-53 of a value no larger than the height plus the corners' and the
// box's sizes, all below 2^32 when every corner lies within kFar: then each
// double corner differs from ParticleBox's by less than kError. Also false
// for NaN.
constexpr double kFar = 0x1p30;
constexpr double kError = 0x1p-10;

inline bool Near(const DoubleCorners& c)
{
    return std::fabs(c.left) < kFar && std::fabs(c.right) < kFar && std::fabs(c.lower) < kFar &&
           std::fabs(c.upper) < kFar;
}

// A corner's x and y side by side: the box's sums are the same for both
// axes, so one instruction forms the two. Each lane rounds exactly as the
// same operation on one double does.
using Pair = double __attribute__((vector_size(16)));
using IntPair = int __attribute__((vector_size(8)));

// What a frame's bounds share: the body's placement and the picture's height.
struct Placement {
    Pair column0;  // the rotation's first column (x, y rows), and so on
    Pair column1;
    Pair column2;
    Pair position;
    double scale;
    // A near corner is base + sign·t for t = (position + w − r)·scale: left
    // is t.x, lower is height − t.y.
    Pair base;
    Pair sign;
};

Placement PlacementOf(Vector3 position, const Matrix3& rotation, double scale, int height)
{
    Placement at{};
    at.column0 = Pair{rotation(0, 0), rotation(1, 0)};
    at.column1 = Pair{rotation(0, 1), rotation(1, 1)};
    at.column2 = Pair{rotation(0, 2), rotation(1, 2)};
    at.position = Pair{position.x, position.y};
    at.scale = scale;
    at.base = Pair{0.0, static_cast<double>(height)};
    at.sign = Pair{1.0, -1.0};
    return at;
}

// Baseline x86-64 has no rounding instruction: std::floor is a call.
inline IntPair FloorToInt(Pair v)
{
    const IntPair t = __builtin_convertvector(v, IntPair);
    // A true lane of a comparison is all ones: −1.
    return t + __builtin_convertvector(__builtin_convertvector(t, Pair) > v, IntPair);
}

inline IntPair CeilToInt(Pair v)
{
    const IntPair t = __builtin_convertvector(v, IntPair);
    return t - __builtin_convertvector(__builtin_convertvector(t, Pair) < v, IntPair);
}

inline std::optional<Rect> BoundsOf(const Particle& particle, const Placement& at)
{
    // The rotated offset's x and y exactly as Multiply forms them, then the
    // sums of CornersInDoubles.
    const Vector3 c = particle.centerOfMass;
    const Pair w = at.column0 * c.x + at.column1 * c.y + at.column2 * c.z;
    const double r = particle.radius;
    const Pair t = (at.position + w - r) * at.scale;
    const Pair nearCorner = at.base + at.sign * t;  // x + 0 and x·1 are x; h + −y is h − y
    const Pair farCorner = nearCorner + at.sign * (2 * r * at.scale);
    // Also false for NaN.
    const auto near = (nearCorner > -kFar) & (nearCorner < kFar) & (farCorner > -kFar) & (farCorner < kFar);
    if (!(near[0] && near[1])) return std::nullopt;
    // The truncation of ParticleBox's corner lies between the floor and the
    // ceiling of ours widened by the error.
    const IntPair low = FloorToInt((nearCorner < farCorner ? nearCorner : farCorner) - kError);
    const IntPair high = CeilToInt((nearCorner > farCorner ? nearCorner : farCorner) + kError);
    return Rect{low[0], low[1], high[0], high[1]};
}

// The truncation of every value within kError of `corner`, when they all
// share one; nothing when a whole pixel lies that near.
inline std::optional<int> SureTruncation(double corner)
{
    const int low = static_cast<int>(corner - kError);
    if (low != static_cast<int>(corner + kError)) return std::nullopt;
    return low;
}

std::optional<EllipseBox> ExtendedBox(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
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

}  // namespace

std::optional<EllipseBox> ParticleBox(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                      int height)
{
    // The extended sums cost some twenty times the double ones, and decide
    // only where a corner lies within kError of a whole pixel. A double
    // corner is finite only when every value it is formed from is, so the
    // shortcut never passes what the extended path refuses.
    const DoubleCorners c = CornersInDoubles(particle, position, rotation, scale, height);
    if (Near(c)) {
        const auto x1 = SureTruncation(c.left), y1 = SureTruncation(c.lower);
        const auto x2 = SureTruncation(c.right), y2 = SureTruncation(c.upper);
        if (x1 && y1 && x2 && y2) return EllipseBox{*x1, *y1, *x2, *y2};
    }
    return ExtendedBox(particle, position, rotation, scale, height);
}

std::optional<Rect> ParticleBounds(const Particle& particle, Vector3 position, const Matrix3& rotation, double scale,
                                   int height)
{
    return BoundsOf(particle, PlacementOf(position, rotation, scale, height));
}

namespace {
// The particles a frame draws: indices i from 0 while i, as a double, is less
// than the count, and never past the particles there are.
class ParticleDiscs final : public DiscRun {
public:
    ParticleDiscs(const RigidBody& body, const SimulationSettings& settings, int height)
        : body_(body), placement_(PlacementOf(body.position, body.rotation, settings.scale, height)),
          scale_(settings.scale), height_(height)
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
    void Bounds(std::size_t first, std::span<std::optional<Rect>> bounds) const override
    {
        // Backwards, as a canvas asks, so that the particles are read in one
        // falling stream the processor fetches ahead.
        const Particle* particles = body_.particles.data() + first;
        for (std::size_t k = bounds.size(); k-- > 0;) bounds[k] = BoundsOf(particles[k], placement_);
    }

private:
    const RigidBody& body_;
    Placement placement_;
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
