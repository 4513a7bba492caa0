#include "session/scene.h"

#include <algorithm>
#include <array>
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
constexpr double kFar = 0x1p29;
constexpr double kError = 0x1p-10;

inline bool Near(const DoubleCorners& c)
{
    return std::fabs(c.left) < kFar && std::fabs(c.right) < kFar && std::fabs(c.lower) < kFar &&
           std::fabs(c.upper) < kFar;
}

// Two particles side by side, one in each lane: every operation of the
// bounds is one instruction for both, and rounds in each lane exactly as the
// same operation on one double does.
using Pair = double __attribute__((vector_size(16)));
using IntPair = int __attribute__((vector_size(8)));

// What a frame's bounds share: the body's placement and the picture's height.
struct Placement {
    double x[3];  // the rotation's first row, and so on
    double y[3];
    double positionX;
    double positionY;
    double scale;
    double height;
};

Placement PlacementOf(Vector3 position, const Matrix3& rotation, double scale, int height)
{
    return {{rotation(0, 0), rotation(0, 1), rotation(0, 2)},
            {rotation(1, 0), rotation(1, 1), rotation(1, 2)},
            position.x,
            position.y,
            scale,
            static_cast<double>(height)};
}

// Corners within kFar are moved up by kShift, a whole number of pixels that
// makes them positive, so that one truncation takes the floor of each.
constexpr int kWholeShift = (1 << 30) + 16;
constexpr auto kShift = static_cast<double>(kWholeShift);

// The bounds of two particles, one in each lane.
struct TwoBounds {
    IntPair left;
    IntPair top;
    IntPair right;
    IntPair bottom;
    bool known[2];

    std::optional<Rect> Of(int lane) const
    {
        if (!known[lane]) return std::nullopt;
        return Rect{left[lane], top[lane], right[lane], bottom[lane]};
    }
};

// Particles a and b may be the same one.
inline TwoBounds BoundsOfTwo(const Particle& a, const Particle& b, const Placement& at)
{
    // The rotated offset's x and y exactly as Multiply forms them, then the
    // sums of CornersInDoubles.
    const Pair cx{a.centerOfMass.x, b.centerOfMass.x};
    const Pair cy{a.centerOfMass.y, b.centerOfMass.y};
    const Pair cz{a.centerOfMass.z, b.centerOfMass.z};
    const Pair r{a.radius, b.radius};
    const Pair wx = at.x[0] * cx + at.x[1] * cy + at.x[2] * cz;
    const Pair wy = at.y[0] * cx + at.y[1] * cy + at.y[2] * cz;
    const Pair left = (at.positionX + wx - r) * at.scale;
    const Pair lower = at.height - (at.positionY + wy - r) * at.scale;
    const Pair diameter = 2 * r * at.scale;
    const Pair right = diameter + left;
    const Pair upper = lower - diameter;
    // A NaN in left or lower is one in right or upper as well; the far
    // corner comes last in each choice, so that a NaN there is the one chosen.
    Pair lowX = left < right ? left : right;
    Pair highX = left > right ? left : right;
    Pair lowY = lower < upper ? lower : upper;
    Pair highY = lower > upper ? lower : upper;
    // Also false for NaN.
    const auto near = (lowX > -kFar) & (highX < kFar) & (lowY > -kFar) & (highY < kFar);
    if (!(near[0] && near[1])) {
        // Converting a lane beyond an int would be undefined: such a lane is
        // given zeros and no bounds.
        lowX = near ? lowX : Pair{};
        highX = near ? highX : Pair{};
        lowY = near ? lowY : Pair{};
        highY = near ? highY : Pair{};
    }
    // The truncation of ParticleBox's corner lies between the floor and the
    // ceiling of ours widened by kError. Shifted, a corner rounds by at most
    // 2^-23 (below 2^31, a double's spacing is at most 2^-22), so widened by
    // kError twice, its floor still lies on the right side.
    return {__builtin_convertvector(lowX + (kShift - 2 * kError), IntPair) - kWholeShift,
            __builtin_convertvector(lowY + (kShift - 2 * kError), IntPair) - kWholeShift,
            __builtin_convertvector(highX + (kShift + 2 * kError), IntPair) - (kWholeShift - 1),
            __builtin_convertvector(highY + (kShift + 2 * kError), IntPair) - (kWholeShift - 1),
            {near[0] != 0, near[1] != 0}};
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
    return BoundsOfTwo(particle, particle, PlacementOf(position, rotation, scale, height)).Of(0);
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
    std::size_t Bounds(std::size_t first, const CoveredBlocks& covered, std::span<DiscBounds> out) const override
    {
        // Backwards, as a canvas paints, so that the particles are read in
        // one falling stream the processor fetches ahead.
        const Particle* particles = body_.particles.data() + first;
        // Copies, which writing `out` cannot change.
        const CoveredBlocks blocks = covered;
        const Placement at = placement_;
        std::size_t written = 0;
        const auto keep = [&](std::size_t k, const TwoBounds& two, int lane) {
            if (two.known[lane] && blocks.Hide({two.left[lane], two.top[lane], two.right[lane], two.bottom[lane]}))
                return;
            out[written++] = {first + k, two.Of(lane)};
        };
        std::size_t k = out.size();
        for (; k >= 2; k -= 2) {
            const TwoBounds two = BoundsOfTwo(particles[k - 1], particles[k - 2], at);
            keep(k - 1, two, 0);
            keep(k - 2, two, 1);
        }
        if (k == 1) keep(0, BoundsOfTwo(particles[0], particles[0], at), 0);
        return written;
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
