// One explicit Euler step of a pushed body. The step costs the same whatever
// the particle count, since it never touches the particles.
#include <cmath>
#include <utility>

#include <benchmark/benchmark.h>

#include "bench/generated_data.h"
#include "bench/setup_or_skip.h"
#include "sim/body_setup.h"
#include "sim/time_step.h"

namespace {

constexpr double kDt = 0.2;
constexpr int kWidth = 879;
constexpr int kHeight = 552;
// A steady torque spins the body ever faster and the stored orientation grows
// with it; restarting from the fresh state this often keeps every number far
// from overflow, so the timing is that of ordinary finite arithmetic.
constexpr int kStepsBetweenRestarts = 1000;

bool IsFinite(const RigidBody& body)
{
    const Quaternion& q = body.orientation;
    return std::isfinite(q.w) && std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z) &&
           std::isfinite(body.position.x) && std::isfinite(body.position.y) && std::isfinite(body.angularVelocity.z) &&
           std::isfinite(body.linearVelocity.x);
}

void BM_StepBody(benchmark::State& state)
{
    RigidBody body;
    SimulationSettings settings;
    if (!SetupOrSkip(state, body, settings,
                     GeneratedDataFile(static_cast<std::size_t>(state.range(0)), Spread::InsideTheBox)))
        return;
    body.force = {40, 25, 0};
    body.torque = {0, 0, 3};

    // The fresh state without its particles, so that a restart copies a few
    // hundred bytes and allocates nothing.
    RigidBody fresh = body;
    fresh.particles = {};

    bool finite = true;
    int steps = 0;
    for (auto _ : state) {
        StepBody(body, settings, kDt, kWidth, kHeight);
        benchmark::ClobberMemory();
        if (++steps == kStepsBetweenRestarts) {
            finite = finite && IsFinite(body);
            steps = 0;
            std::vector<Particle> particles = std::move(body.particles);
            body = fresh;
            body.particles = std::move(particles);
        }
    }
    if (!(finite && IsFinite(body))) state.SkipWithError("the body left the finite numbers");
}

}  // namespace

BENCHMARK(BM_StepBody)->Arg(1000)->Arg(1000000);

BENCHMARK_MAIN();
