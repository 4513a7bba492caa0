// The body's mass properties recomputed here pass by pass: one sum of masses,
// one mass-weighted sum of positions, the shift to the centre of mass, one sum
// of parallel-axis terms, each in file order. However SetupBody arranges its
// work, every bit of every number must agree with these sums, since a run is
// meant to be reproducible to the last bit.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/body_setup.h"
#include "tests/test_files.h"

namespace {

struct Reference {
    std::vector<Particle> particles;
    double totalMass = 0.0;
    Vector3 position;
    Matrix3 inertia;
};

Reference PassByPass(const std::vector<Vector3>& positions, double density)
{
    Reference r;
    for (Vector3 p : positions) InitParticle(r.particles.emplace_back(), p, 1.0, density);
    r.totalMass = 0;
    for (const Particle& particle : r.particles) r.totalMass = r.totalMass + particle.mass;
    r.position = ZeroVector();
    for (const Particle& particle : r.particles)
        r.position = Add(r.position, Scale(particle.centerOfMass, particle.mass));
    r.position = Scale(r.position, 1.0 / r.totalMass);
    for (Particle& particle : r.particles) particle.centerOfMass = Subtract(particle.centerOfMass, r.position);
    r.inertia = ZeroMatrix();
    for (const Particle& particle : r.particles) {
        const Vector3 c = particle.centerOfMass;
        const Matrix3 k = Scale(Add(Scale(Identity(), Dot(c, c)), Scale(OuterProduct(c, c), -1.0)), particle.mass);
        r.inertia = Add(r.inertia, Add(particle.inertiaTensor, k));
    }
    return r;
}

// Every double as its bits, so that 0 and -0 differ and a mismatch shows where.
void Append(std::vector<std::uint64_t>& bits, double d) { bits.push_back(std::bit_cast<std::uint64_t>(d)); }
void Append(std::vector<std::uint64_t>& bits, Vector3 v)
{
    for (double d : {v.x, v.y, v.z}) Append(bits, d);
}
void Append(std::vector<std::uint64_t>& bits, const Matrix3& m)
{
    for (double d : m.m) Append(bits, d);
}
void Append(std::vector<std::uint64_t>& bits, const Particle& p)
{
    Append(bits, p.radius);
    Append(bits, p.centerOfMass);
    Append(bits, p.mass);
    Append(bits, p.inertiaTensor);
}

// A coordinate in one of the forms a user may write, with its value as the C
// library reads it.
struct Coordinate {
    std::string text;
    double value;
};

Coordinate RandomCoordinate(std::mt19937_64& random, long long offset)
{
    const long long whole = offset + static_cast<long long>(random() % 2000);
    const std::string sign = whole < 0 ? "-" : random() % 2 ? "+" : "";
    const std::string digits = std::to_string(whole < 0 ? -whole : whole);
    const std::string fraction = std::to_string(random() % 1000000);
    std::string text;
    switch (random() % 5) {
    case 0:
        text = sign + digits;
        break;
    case 1:
        text = sign + digits + "." + fraction;
        break;
    case 2:
        text = sign + digits + "." + fraction + "e-" + std::to_string(random() % 4);
        break;
    case 3:
        text = sign + digits + "E+1";
        break;
    default:
        text = sign + "." + fraction;
        break;
    }
    return {text, std::strtod(text.c_str(), nullptr)};
}

std::vector<std::uint64_t> BitsOf(const std::vector<Particle>& particles, double totalMass, Vector3 position,
                                  const Matrix3& inertia, const Matrix3& inverse)
{
    std::vector<std::uint64_t> bits;
    for (const Particle& p : particles) Append(bits, p);
    Append(bits, totalMass);
    Append(bits, position);
    Append(bits, inertia);
    Append(bits, inverse);
    return bits;
}

}  // namespace

TEST(SetupBodyOrder, AgreesBitForBitWithThePassByPassSums)
{
    struct Case {
        long long offset;  // far from the origin, the shift to the centre cancels digits
        const char* density;
        double densityValue;
    };
    std::mt19937_64 random(42);
    static const char* const kBlanks[] = {" ", "\n", "\t", "  ", "\r\n"};
    for (const Case& c : {Case{-1000, "1", 1.0}, Case{1234567, "0.37", 0.37}, Case{-98765432, "7.5e-3", 7.5e-3}}) {
        constexpr int kParticles = 20000;
        std::vector<Vector3> positions;
        std::string contents = std::to_string(kParticles) + "\n";
        for (int i = 0; i < kParticles; ++i) {
            const Coordinate x = RandomCoordinate(random, c.offset);
            const Coordinate y = RandomCoordinate(random, c.offset);
            positions.push_back({x.value, y.value, 0.0});
            contents += x.text + kBlanks[random() % 5] + y.text + kBlanks[random() % 5];
        }
        const TempFile file(contents);
        RigidBody body;
        SimulationSettings settings;
        SetupBody(body, settings, c.density, file.path());

        const Reference expected = PassByPass(positions, c.densityValue);
        const auto actualBits =
            BitsOf(body.particles, body.totalMass, body.position, body.bodyInertia, body.bodyInertiaInverse);
        const auto expectedBits = BitsOf(expected.particles, expected.totalMass, expected.position, expected.inertia,
                                         Inverse(expected.inertia));
        ASSERT_EQ(actualBits.size(), expectedBits.size());
        for (std::size_t i = 0; i < actualBits.size(); ++i)
            ASSERT_EQ(actualBits[i], expectedBits[i]) << "double " << i << " differs, offset " << c.offset;
    }
}
