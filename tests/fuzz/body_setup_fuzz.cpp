// The data file is the program's one outside input that grows without bound:
// every byte sequence must either build a sound body or be refused with the
// previous body and settings left exactly as they were.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "tests/fuzz/check.h"

namespace {

constexpr const char* kDensity = "2.5";

void Write(const std::filesystem::path& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(static_cast<bool>(out), "the fuzz input can be written to a temporary file");
}

// A body already set up from a valid file, with settings that differ from what
// any accepted input would give, so that a partial update shows. The input file
// is rewritten for every run, in a folder of this process's own.
// Rewriting a file on a disk for every run costs more than the setup itself;
// memory-backed /dev/shm is many times faster where it exists.
std::filesystem::path ScratchRoot()
{
    std::error_code ignored;
    if (std::filesystem::is_directory("/dev/shm", ignored)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

struct Fixture {
    std::filesystem::path folder = ScratchRoot() / ("rbd-fuzz-" + std::to_string(::getpid()));
    std::filesystem::path input = folder / "data.txt";
    RigidBody body;
    SimulationSettings settings;

    Fixture()
    {
        std::filesystem::create_directories(folder);
        const std::string valid = "3  0 0  2 0  1 1.5";
        Write(input, valid.data(), valid.size());
        SetupBody(body, settings, "1", input);
        body.force = {1, 2, 0};
        body.orientation = {0.5, 0.5, 0.5, 0.5};
        settings.scale = 3.0;
    }
    ~Fixture()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;
};

bool IsFinite(Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool IsFinite(const Matrix3& a)
{
    for (double element : a.m)
        if (!std::isfinite(element)) return false;
    return true;
}

void CheckBuiltAtRest(const RigidBody& body, const SimulationSettings& settings)
{
    Check(settings.density == 2.5, "the density is the one given");
    Check(settings.scale == 3.0, "the scale is left alone");
    Check(settings.particleCount >= 1 && settings.particleCount == std::floor(settings.particleCount),
          "the particle count is a whole number of at least 1");
    Check(static_cast<double>(body.particles.size()) == settings.particleCount, "one particle for each counted");
    Check(std::isfinite(body.totalMass) && body.totalMass > 0, "the total mass is finite and positive");
    Check(IsFinite(body.position), "the centre of mass is finite");
    Check(IsFinite(body.bodyInertia), "the body inertia is finite");
    Check(IsFinite(body.bodyInertiaInverse), "the inverse body inertia is finite");
    Check(body.orientation == Quaternion{1, 0, 0, 0}, "the orientation starts at identity");
    for (Vector3 v : {body.linearMomentum, body.angularMomentum, body.linearVelocity, body.angularVelocity, body.force,
                      body.torque})
        Check(v == ZeroVector(), "momenta, velocities, force and torque start at zero");
    Check(body.rotation == Identity(), "the rotation starts at identity");
    Check(body.inverseInertia == Identity(), "the world inverse inertia starts at identity");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Fixture fixture;
    Write(fixture.input, data, size);

    RigidBody body = fixture.body;
    SimulationSettings settings = fixture.settings;
    try {
        SetupBody(body, settings, kDensity, fixture.input);
    } catch (const SetupError&) {
        Check(body == fixture.body, "a refused setup leaves the body as it was");
        Check(settings.particleCount == fixture.settings.particleCount &&
                  settings.density == fixture.settings.density && settings.scale == fixture.settings.scale,
              "a refused setup leaves the settings as they were");
        return 0;
    }
    CheckBuiltAtRest(body, settings);
    return 0;
}
