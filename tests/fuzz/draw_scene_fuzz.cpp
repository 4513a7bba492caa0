// A body that the simulation has driven anywhere, to overflow or NaN, must
// still draw: the scene meets such numbers when a push accumulates for long.
// Only crashes, sanitizer reports and hangs count here.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <fuzzer/FuzzedDataProvider.h>

#include "tests/fuzz/check.h"
#include "ui/image_canvas.h"
#include "session/scene.h"

namespace {

// Mostly numbers that land on or near a 64 × 48 picture or whose pixels come
// near the int limits, now and then any bit pattern at all: huge, subnormal,
// infinite or NaN.
double Number(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return input.ConsumeIntegralInRange(-64, 64) / 4.0;
    case 1:
        return input.ConsumeFloatingPointInRange(-1e3, 1e3);
    case 2: {
        const double fraction = input.ConsumeFloatingPointInRange(-1.0, 1.0);
        return std::ldexp(fraction, input.ConsumeIntegralInRange(-40, 40));
    }
    case 3:
        return input.ConsumeFloatingPoint<double>();
    default: {
        const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    }
}

Vector3 Vector(FuzzedDataProvider& input)
{
    Vector3 v;
    v.x = Number(input);
    v.y = Number(input);
    v.z = Number(input);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt takes no part of libFuzzer's options: it sees only a program name.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "draw_scene_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    RigidBody body;
    SimulationSettings settings;

    body.particles.resize(input.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (Particle& particle : body.particles) {
        particle.centerOfMass = Vector(input);
        particle.radius = input.ConsumeBool() ? 1.0 : Number(input);
    }
    settings.particleCount = static_cast<double>(body.particles.size());
    settings.scale = input.ConsumeBool() ? 4.0 : Number(input);
    body.position = Vector(input);
    if (input.ConsumeBool()) {
        body.orientation = {Number(input), Number(input), Number(input), Number(input)};
        body.rotation = ToRotationMatrix(Normalize(body.orientation));
    }
    if (input.ConsumeBool())
        for (double& element : body.rotation.m) element = Number(input);
    body.force = Vector(input);
    body.linearVelocity = Vector(input);
    body.totalMass = Number(input);
    const double clear = input.ConsumeBool() ? 1.0 : 0.0;

    ImageCanvas canvas(64, 48);
    DrawScene(canvas, body, settings, clear);
    Check(canvas.Width() == 64 && canvas.Height() == 48, "drawing keeps the picture's size");
    return 0;
}
