#include "sim/body_setup.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "sim/data_file.h"
#include "sim/density.h"
#include "sim/large_pages.h"
#include "sim/setup_error.h"

namespace {

std::string CountText(double count)
{
    // Whole counts below 2^53 print exactly; larger ones are only ever refused.
    if (count < 9007199254740992.0) return std::to_string(static_cast<long long>(count));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", count);
    return buffer;
}

double ReadParticleCount(DataFile& file)
{
    double count = 0.0;
    if (!file.Next(count)) throw SetupError(file.Where() + " holds no numbers: it must start with the particle count");
    if (!(count >= 1.0 && count == std::floor(count)))
        throw SetupError(file.Where(file.Line()) + ": the particle count " + QuoteToken(file.LastToken()) +
                         " is not a whole number of at least 1");
    return count;
}

// Fills built.particles at their file positions, every one by InitParticle,
// and adds each one's mass and mass-weighted position to built.totalMass and
// built.position as it is read, while it is still in the cache.
void ReadParticles(DataFile& file, double count, double density, RigidBody& built)
{
    std::vector<Particle>& particles = built.particles;
    // A count far beyond what the file can hold must not allocate for itself:
    // every pair takes at least four bytes ("0 0 ").
    const double mostPairs = static_cast<double>(file.SizeInBytes()) / 4.0 + 1.0;
    particles.reserve(static_cast<std::size_t>(count < mostPairs ? count : mostPairs));
    PreferLargePages(particles.data(), particles.capacity() * sizeof(Particle));

    for (std::size_t i = 0; static_cast<double>(i) < count; ++i) {
        double x = 0.0;
        double y = 0.0;
        const bool gotX = file.Next(x);
        if (!gotX || !file.Next(y)) {
            const std::size_t found = 2 * i + (gotX ? 1 : 0);
            throw SetupError(file.Where() + ": the count asks for " + CountText(count) + " particles (" +
                             CountText(2 * count) + " coordinates) but the file holds " + std::to_string(found) +
                             " coordinates after it");
        }
        // Filled before it is stored: emplace_back() would zero all 112 bytes
        // first, and InitParticle writes every one of them anyway.
        Particle particle;
        InitParticle(particle, {x, y, 0.0}, 1.0, density);
        built.totalMass = built.totalMass + particle.mass;
        built.position = Add(built.position, Scale(particle.centerOfMass, particle.mass));
        particles.push_back(particle);
    }
}

bool IsFinite(Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool IsFinite(const Matrix3& a)
{
    for (double element : a.m)
        if (!std::isfinite(element)) return false;
    return true;
}

}  // namespace

BuiltBody BuildBody(std::string_view densityText, const std::filesystem::path& dataFile)
{
    const double density = ParseDensity(densityText);

    // Each sum below runs over the particles in file order, and each particle is
    // moved to the centre of mass before its own parallel-axis term is taken, so
    // every rounding is that of one pass per quantity; but 107 MiB of particles
    // (10^6 of them) are walked twice rather than five times.
    //
    // A new RigidBody already holds the rest state a setup leaves, and its
    // sums start at zero: see rigid_body.h.
    BuiltBody result;
    RigidBody& built = result.body;
    double count = 0.0;
    std::string where;
    {
        DataFile file(dataFile);
        where = file.Where();
        count = ReadParticleCount(file);
        ReadParticles(file, count, density, built);
    }
    built.position = Scale(built.position, 1.0 / built.totalMass);

    // Parallel-axis theorem: Ibody = Σ [Jᵢ + mᵢ((rᵢ·rᵢ)E − rᵢrᵢᵀ)].
    for (Particle& particle : built.particles) {
        particle.centerOfMass = Subtract(particle.centerOfMass, built.position);
        const Vector3 r = particle.centerOfMass;
        const Matrix3 a = Scale(Identity(), Dot(r, r));
        const Matrix3 b = Scale(OuterProduct(r, r), -1.0);
        const Matrix3 k = Scale(Add(a, b), particle.mass);
        built.bodyInertia = Add(built.bodyInertia, Add(particle.inertiaTensor, k));
    }
    built.bodyInertiaInverse = Inverse(built.bodyInertia);

    // Huge coordinates or an extreme density overflow the mass properties; such
    // a body could neither move nor be drawn sensibly.
    if (!(std::isfinite(built.totalMass) && built.totalMass > 0.0 && IsFinite(built.position) &&
          IsFinite(built.bodyInertia) && IsFinite(built.bodyInertiaInverse)))
        throw SetupError(where + " with density " + QuoteToken(densityText) +
                         ": the body's mass or inertia is out of range; use smaller coordinates or a "
                         "density nearer 1");

    result.density = density;
    result.particleCount = count;
    return result;
}

void PutInPlace(BuiltBody&& built, RigidBody& body, SimulationSettings& settings)
{
    settings.density = built.density;
    settings.particleCount = built.particleCount;
    body = std::move(built.body);
}

void SetupBody(RigidBody& body, SimulationSettings& settings, std::string_view densityText,
               const std::filesystem::path& dataFile)
{
    PutInPlace(BuildBody(densityText, dataFile), body, settings);
}
