#include "session/state_json.h"

#include <bit>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "session/state_path.h"

namespace {

std::string Refusal(std::string_view state, std::string_view path)
{
    try {
        return "read " + std::to_string(StateValue(state, path));
    } catch (const StatePathError& error) {
        return error.what();
    }
}

}  // namespace

// Every number reads back from the line to the very bits it had, the sign of
// zero and the values that are not finite included.
TEST(StateJson, KeepsEveryBitAndReadsBackByPath)
{
    SimulationContext s;
    s.body.position = {0.1, -0.0, 1e300};
    s.body.force = {5e-324, std::numeric_limits<double>::infinity(), std::nan("")};
    s.body.particles.resize(2);
    s.body.particles[1].centerOfMass = {1e12, 0, 0};
    s.settings.particleCount = 2;
    s.drag.particleIndex = 3;
    s.steps = 7;
    const std::string json = StateJson(s, true, 552);
    EXPECT_NE(json.find("\"position\":[0.1,-0,1e+300]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"force\":[5e-324,null,null]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"text\":[\"force = [0  INF  NAN]\","), std::string::npos) << json;

    const auto bits = [&](std::string_view path) { return std::bit_cast<std::uint64_t>(StateValue(json, path)); };
    EXPECT_EQ(bits("position[0]"), std::bit_cast<std::uint64_t>(0.1));
    EXPECT_EQ(bits("position[1]"), std::bit_cast<std::uint64_t>(-0.0));
    EXPECT_EQ(bits("force[0]"), std::bit_cast<std::uint64_t>(5e-324));
    EXPECT_TRUE(std::isnan(StateValue(json, "force[1]")));
    EXPECT_EQ(StateValue(json, "running"), 1);
    EXPECT_EQ(StateValue(json, "drag.particleIndex"), 3);
    EXPECT_EQ(StateValue(json, "drag.endX"), -1);
    EXPECT_EQ(StateValue(json, "boxes[0][3]"), 552);
    EXPECT_TRUE(std::isnan(StateValue(json, "boxes[1]")));  // a disc far beyond any picture
    EXPECT_EQ(StateValue(json, "time"), 7 * 0.2);
    EXPECT_EQ(StateValue(json, "kineticEnergy[2]"), 0);
    for (const char* key : {"particleCount", "density", "totalMass", "orientation[3]", "linearMomentum[2]",
                            "angularMomentum[2]", "linearVelocity[2]", "angularVelocity[2]", "torque[2]", "rotation[8]",
                            "inverseInertia[8]", "bodyInertia[8]", "bodyInertiaInverse[8]", "steps"})
        EXPECT_NO_THROW(CheckStatePath(key)) << key;

    EXPECT_EQ(Refusal(json, "omega"), "the state line has nothing at \"omega\"");
    EXPECT_EQ(Refusal(json, "force[3]"), "the state line has nothing at \"force[3]\"");
    EXPECT_EQ(Refusal(json, "force"), "the state line has no number at \"force\", but a list, an object or a text");
    EXPECT_EQ(Refusal(json, "text[0]"), "the state line has no number at \"text[0]\", but a list, an object or a text");
    EXPECT_EQ(Refusal(json, "force[x]"),
              "the path \"force[x]\" has an index that is not a whole number in brackets: write a key, then [index] "
              "or .key, such as angularVelocity[2]");
    EXPECT_EQ(Refusal(json, "drag..startX").rfind("the path \"drag..startX\" has an empty key", 0), 0u);
    EXPECT_THROW(CheckStatePath("angularVelocity[3]"), StatePathError);
}
