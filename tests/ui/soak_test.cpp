#include <cmath>
#include <cstdlib>
#include <random>

#include <QLineEdit>
#include <gtest/gtest.h>

#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/image_view.h"
#include "ui/live_session.h"

namespace {

// How many ticks to run: RBD_SOAK_TICKS, or a short run by default so that a
// plain test run stays quick; CI sets a million.
long long SoakTicks()
{
    const char* configured = std::getenv("RBD_SOAK_TICKS");
    return configured ? std::atoll(configured) : 20000;
}

bool Finite(const Matrix3& a)
{
    for (double element : a.m)
        if (!std::isfinite(element)) return false;
    return true;
}

// What every successful setup leaves: a body of particleCount particles at
// rest, with finite mass properties consistent with each other.
void ExpectValidRestingBody(const SimulationContext& s)
{
    const RigidBody& b = s.body;
    ASSERT_EQ(static_cast<double>(b.particles.size()), s.settings.particleCount);
    ASSERT_GT(b.totalMass, 0.0);
    ASSERT_TRUE(std::isfinite(b.totalMass));
    ASSERT_TRUE(Finite(b.bodyInertia) && Finite(b.bodyInertiaInverse));
    ASSERT_EQ(b.bodyInertiaInverse, Inverse(b.bodyInertia));
    ASSERT_EQ(b.orientation, (Quaternion{1, 0, 0, 0}));
    ASSERT_EQ(b.rotation, Identity());
    for (Vector3 v : {b.linearMomentum, b.angularMomentum, b.linearVelocity, b.angularVelocity, b.force, b.torque})
        ASSERT_EQ(v, ZeroVector());
}

}  // namespace

TEST(Soak, RandomSessionNeverBreaksTheBody)
{
    const TempFile data("5  100 60  104 60  108 60  100 64  100 68");
    std::vector<std::string> errors;
    LiveSession live(data.path());
    TForm1 w(live, [&](const std::string& m) { errors.push_back(m); });
    w.FormCreate();
    w.show();
    ExpectValidRestingBody(w.Simulation());

    std::mt19937_64 random(20261207);
    auto chance = [&](int oneIn) { return random() % oneIn == 0; };
    auto pixel = [&](int range) { return static_cast<int>(random() % (2ULL * range)) - range / 2; };
    const char* densities[] = {"1", "2.5", "", "0", "-3", "x", "1e-3", "40", "1e308", " 7 "};

    const long long ticks = SoakTicks();
    long long setups = 0;
    for (long long i = 0; i < ticks; ++i) {
        if (!w.Running()) w.Button3Click();
        w.Timer1Timer();
        if (chance(50)) {
            w.Image1MouseDown(pixel(w.Image1->width()), pixel(w.Image1->height()));
            w.Image1MouseUp(pixel(4000), pixel(4000));
        }
        if (chance(997)) {
            const std::size_t before = errors.size();
            const QString previous = w.Edit1->text();
            w.Edit1->setText(densities[random() % std::size(densities)]);
            if (w.Edit1->text() != previous && errors.size() == before && w.DensityProblem().isEmpty()) {
                ++setups;
                ExpectValidRestingBody(w.Simulation());
            }
        }
        if (chance(1999)) {
            const std::size_t before = errors.size();
            w.Button3Click();
            if (!w.Running() && errors.size() == before && w.DensityProblem().isEmpty()) {
                ++setups;
                ExpectValidRestingBody(w.Simulation());
            }
        }
        if (chance(4999)) w.resize(100 + static_cast<int>(random() % 1200), 80 + static_cast<int>(random() % 800));
        if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_GT(setups, ticks / 4000);
}
