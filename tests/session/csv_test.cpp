#include "session/csv.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "session/quantities.h"
#include "session/session.h"
#include "tests/session/recording_canvas.h"
#include "tests/test_files.h"

namespace {

// The number at the start of `text`, as written by the state line or a row;
// null is not a number.
double ReadNumber(std::string_view text)
{
    if (text.starts_with("null")) return std::nan("");
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    return value;
}

// The numbers of one key of the state line: one, or the members of an array.
std::vector<double> StateNumbers(const std::string& state, const std::string& key)
{
    std::size_t at = state.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key;
    at += key.size() + 3;
    if (state[at] != '[') return {ReadNumber(std::string_view(state).substr(at))};
    std::vector<double> numbers;
    do {
        ++at;
        numbers.push_back(ReadNumber(std::string_view(state).substr(at)));
        at = state.find_first_of(",]", at);
    } while (state[at] == ',');
    return numbers;
}

std::vector<double> RowNumbers(const std::string& row)
{
    std::vector<double> numbers;
    std::size_t at = 0;
    while (true) {
        numbers.push_back(ReadNumber(std::string_view(row).substr(at)));
        at = row.find(',', at);
        if (at == std::string::npos) return numbers;
        ++at;
    }
}

// Equal to the bit, so a NaN equals only the same NaN.
std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

}  // namespace

TEST(Csv, RowsAreTheStateLineToTheBit)
{
    const TempFile data(
        "8\n108 65.875\n108 68.375\n108 70.875\n108 73.375\n108 75.875\n"
        "110.5 65.875\n113 65.875\n115.5 65.875\n");
    RecordingCanvas canvas(879, 552);
    Session session(canvas, data.path());
    session.FirstSetup();
    session.StartStop();

    const std::string header = CsvHeader();
    EXPECT_EQ(header,
              "step,time,x,y,vx,vy,omega,angle,kineticLinear,kineticRotational,kineticTotal,forceX,forceY,torque,"
              "quaternionNorm");
    const std::size_t columns = static_cast<std::size_t>(std::count(header.begin(), header.end(), ',')) + 1;

    // Pushes on particles at random, each followed by a run of steps: the body
    // spins, bounces and drifts in its orientation's length.
    std::mt19937 random(20240611);
    for (int push = 0; push < 12; ++push) {
        const SimulationContext& simulation = session.Simulation();
        const std::size_t grabbed = random() % simulation.body.particles.size();
        const Vector3 centre = simulation.body.particles[grabbed].centerOfMass;
        const double scale = simulation.settings.scale;
        const int x = static_cast<int>(scale * (centre.x + simulation.body.position.x));
        const int y = static_cast<int>(session.Height() - scale * (centre.y + simulation.body.position.y));
        session.Press(x, y);
        session.Release(x + static_cast<int>(random() % 81) - 40, y + static_cast<int>(random() % 81) - 40);

        for (int tick = 0; tick < 25; ++tick) {
            session.Tick();
            const std::string row = CsvRow(session.Simulation());
            const std::string state = session.StateJson();
            const std::vector<double> values = RowNumbers(row);
            ASSERT_EQ(values.size(), columns) << row;

            const std::vector<double> position = StateNumbers(state, "position");
            const std::vector<double> velocity = StateNumbers(state, "linearVelocity");
            const std::vector<double> energy = StateNumbers(state, "kineticEnergy");
            const std::vector<double> force = StateNumbers(state, "force");
            const std::vector<double> q = StateNumbers(state, "orientation");
            const Quaternion orientation{q[0], q[1], q[2], q[3]};
            const double expected[] = {StateNumbers(state, "steps")[0],
                                       StateNumbers(state, "time")[0],
                                       position[0],
                                       position[1],
                                       velocity[0],
                                       velocity[1],
                                       StateNumbers(state, "angularVelocity")[2],
                                       AngleAboutZ(orientation),
                                       energy[0],
                                       energy[1],
                                       energy[2],
                                       force[0],
                                       force[1],
                                       StateNumbers(state, "torque")[2],
                                       Length(orientation)};
            for (std::size_t i = 0; i < columns; ++i)
                ASSERT_EQ(Bits(values[i]), Bits(expected[i])) << "column " << i << " of " << row << "\n" << state;
        }
    }
    // The run did what it was meant to: it turned, and the length drifted.
    EXPECT_NE(session.Simulation().body.angularVelocity.z, 0.0);
    EXPECT_NE(Length(session.Simulation().body.orientation), 1.0);
}

TEST(Csv, NumbersAreWrittenAsTheStateLineWritesThem)
{
    SimulationContext simulation;
    simulation.steps = 3;
    simulation.body.orientation = {1, 0, 0, 0};
    simulation.body.position = {-0.0, 0.1, 0};
    simulation.body.force = {std::numeric_limits<double>::infinity(), std::nan(""), 0};
    EXPECT_EQ(CsvRow(simulation), "3,0.6000000000000001,-0,0.1,0,0,0,0,0,0,0,null,null,0,1");
}
