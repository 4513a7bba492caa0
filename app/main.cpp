#include <cstdio>

#include "sim/body_setup.h"
#include "sim/setup_error.h"

int main()
{
    RigidBody body;
    SimulationSettings settings;
    try {
        SetupBody(body, settings, "1", "data.txt");
    } catch (const SetupError& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    std::printf("particles: %g\ntotal mass: %.17g\ncentre of mass: (%.17g, %.17g)\n", settings.particleCount,
                body.totalMass, body.position.x, body.position.y);
    return 0;
}
