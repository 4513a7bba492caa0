// The cost of a frame: a clearing redraw of bodies of growing size on the
// default 879 × 552 picture, a whole tick (step, then clearing redraw), which
// must stay under half the timer's 50 ms period, and the first frame of a
// body: its setup from the file, a new picture and the first redraw. A tick is
// measured against the least any frame must do: read where every particle
// lies in the body.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "bench/generated_data.h"
#include "bench/setup_or_skip.h"
#include "sim/time_step.h"
#include "ui/image_canvas.h"
#include "session/scene.h"

namespace {

constexpr int kWidth = 879;
constexpr int kHeight = 552;

struct Scene {
    RigidBody body;
    SimulationSettings settings;
};

// The default body for 8 particles, a generated one inside the picture else.
bool Load(benchmark::State& state, Scene& scene)
{
    const auto particles = static_cast<std::size_t>(state.range(0));
    return SetupOrSkip(state, scene.body, scene.settings,
                       particles == 8 ? std::filesystem::path(RBD_SOURCE_DIR "/data.txt")
                                      : GeneratedDataFile(particles, Spread::InsideTheBox));
}

void BM_DrawSceneClearing(benchmark::State& state)
{
    Scene scene;
    if (!Load(state, scene)) return;
    ImageCanvas canvas(kWidth, kHeight);
    for (auto _ : state) {
        DrawScene(canvas, scene.body, scene.settings, 1.0);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Tick(benchmark::State& state)
{
    Scene scene;
    if (!Load(state, scene)) return;
    scene.body.force = {40, 25, 0};
    scene.body.torque = {0, 0, 3};
    const RigidBody fresh = scene.body;
    ImageCanvas canvas(kWidth, kHeight);
    int steps = 0;
    for (auto _ : state) {
        StepBody(scene.body, scene.settings, 0.2, kWidth, kHeight);
        DrawScene(canvas, scene.body, scene.settings, 1.0);
        benchmark::DoNotOptimize(canvas.Image().constBits());
        // Back to the start now and then, before the spin grows without bound.
        if (++steps == 500) {
            state.PauseTiming();
            scene.body = fresh;
            steps = 0;
            state.ResumeTiming();
        }
    }
}

// Each particle's body position read from the particles as the body keeps
// them, and nothing else: the bound a tick is compared with, as the setup is
// with a bare scan of its numbers.
void BM_ReadPositions(benchmark::State& state)
{
    Scene scene;
    if (!Load(state, scene)) return;
    for (auto _ : state) {
        // Their bits combined by an operation of one cycle, so that no chain
        // of floating-point additions is measured instead of the reading.
        std::uint64_t seen = 0;
        for (const Particle& particle : scene.body.particles)
            seen ^= std::bit_cast<std::uint64_t>(particle.centerOfMass.x) ^
                    std::bit_cast<std::uint64_t>(particle.centerOfMass.y);
        benchmark::DoNotOptimize(seen);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FirstFrame(benchmark::State& state)
{
    // The file is written before the clock starts.
    if (Scene first; !Load(state, first)) return;
    for (auto _ : state) {
        auto scene = std::make_unique<Scene>();
        if (!Load(state, *scene)) return;
        ImageCanvas canvas(kWidth, kHeight);
        DrawScene(canvas, scene->body, scene->settings, 1.0);
        benchmark::DoNotOptimize(canvas.Image().constBits());
        // A program shows its first frame once; giving the body back is not part of it.
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_DrawSceneClearing)->Arg(8)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tick)->Arg(8)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPositions)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstFrame)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Text needs a font database, which needs a GUI application; no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
