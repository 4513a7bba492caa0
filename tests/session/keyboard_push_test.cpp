#include "session/keyboard_push.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "session/scene.h"
#include "tests/session/scripted_session.h"

// For bodies of overlapping particles, some beyond the area's corner: a
// particle that FindGrab finds is grabbed by a press there, and one it does
// not find is grabbed by no pixel of the area. A push with keys then adds
// exactly the push set, at the chosen particle.
TEST(KeyboardPush, GrabsTheChosenParticleWhereverAPressCanAndPushesAsSet)
{
    std::mt19937_64 random(26);
    std::uniform_int_distribution<int> count(1, 8);
    std::uniform_int_distribution<int> halves(0, 12);
    std::uniform_int_distribution<int> push(-40, 40);
    int found = 0;
    int refused = 0;
    for (int body = 0; body < 40; ++body) {
        // Half the bodies sit by the bottom-left corner, part of them beyond it.
        const double origin = body % 2 == 0 ? 100.0 : -2.0;
        const int n = count(random);
        std::string data = std::to_string(n);
        for (int i = 0; i < n; ++i)
            data += "  " + std::to_string(origin + halves(random) / 2.0) + " " +
                    std::to_string(origin + halves(random) / 2.0);
        ScriptedSession s(data);
        const SimulationContext& simulation = s.session.Simulation();
        const int width = s.session.Width();
        const int height = s.session.Height();
        ASSERT_EQ(PushableCount(simulation.body, simulation.settings), n);
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(data + ", particle " + std::to_string(i));
            const Grab grab = FindGrab(simulation.body, simulation.settings, width, height, i);
            if (grab.press) {
                ++found;
                EXPECT_EQ(ParticleAt(simulation.body, simulation.settings, height, grab.press->x, grab.press->y), i);
                EXPECT_TRUE(grab.press->x >= 0 && grab.press->x < width && grab.press->y >= 0 &&
                            grab.press->y < height);
                continue;
            }
            ++refused;
            // A hit lies within the particle's radius of 4 pixels of its centre.
            const PixelPoint start =
                *PushStart(simulation.body.particles[i], simulation.body.position, simulation.settings.scale, height);
            for (int y = std::max(0, start.y - 6); y <= std::min(height - 1, start.y + 6); ++y)
                for (int x = std::max(0, start.x - 6); x <= std::min(width - 1, start.x + 6); ++x)
                    ASSERT_NE(ParticleAt(simulation.body, simulation.settings, height, x, y), i) << x << " " << y;
            if (grab.startInArea) {
                EXPECT_EQ(grab.covering, ParticleAt(simulation.body, simulation.settings, height, start.x, start.y));
            }
        }

        const int chosen = body % n;
        const int dx = push(random);
        const int dy = push(random);
        const std::optional<PushCommands> keys = KeyboardPush(s.session, chosen, dx, dy);
        if (!keys) continue;
        s.session.Apply(keys->press);
        s.session.Apply(keys->release);
        const Vector3 pushed{static_cast<double>(dx), static_cast<double>(-dy), 0};
        EXPECT_EQ(simulation.body.force, pushed) << data;
        EXPECT_EQ(simulation.body.torque, Cross(simulation.body.particles[chosen].centerOfMass, pushed)) << data;
    }
    EXPECT_GT(found, 40);
    EXPECT_GT(refused, 10);
}

// The mark of the chosen particle goes where its disc is drawn, however the
// body has turned and wherever it is: the centre of the box the scene draws.
TEST(KeyboardPush, DrawnCentreIsWhereTheSceneDrawsTheDisc)
{
    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    ScriptedSession s("4  110 65  90 55  100 70  97.5 52.25");
    const SimulationSettings& settings = s.session.Simulation().settings;
    RigidBody body = s.session.Simulation().body;
    for (int turn = 0; turn < 200; ++turn) {
        body.rotation = ToRotationMatrix(Normalize({unit(random), unit(random), unit(random), unit(random)}));
        body.position = {100 + 90 * unit(random), 60 + 50 * unit(random), 0};
        for (int i = 0; i < 4; ++i) {
            const auto box = ParticleBox(body.particles[static_cast<std::size_t>(i)], body.position, body.rotation,
                                         settings.scale, 552);
            ASSERT_TRUE(box);
            const PicturePoint centre = DrawnCentre(body, settings, 552, i);
            // The box's corners are truncated to whole pixels.
            EXPECT_NEAR(centre.x, (box->x1 + box->x2) / 2.0, 1.0) << turn << ", particle " << i;
            EXPECT_NEAR(centre.y, (box->y1 + box->y2) / 2.0, 1.0) << turn << ", particle " << i;
        }
    }
}
