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
#include "session/state_path.h"
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
    session.Apply({.kind = CommandKind::StartStop});

    const std::string header = CsvHeader();
    EXPECT_EQ(header,
              "step,time,x,y,vx,vy,omega,angle,kineticLinear,kineticRotational,kineticTotal,forceX,forceY,torque,"
              "quaternionNorm");
    const std::size_t columns = static_cast<std::size_t>(std::count(header.begin(), header.end(), ',')) + 1;

    // Pushes on particles at random, each followed by a run of steps: the body
    // spins, bounces and drifts in its orientation's length.
    std::mt19937 random(20240611);
    std::vector<std::string> rows;
    for (int push = 0; push < 12; ++push) {
        const SimulationContext& simulation = session.Simulation();
        const std::size_t grabbed = random() % simulation.body.particles.size();
        const Vector3 centre = simulation.body.particles[grabbed].centerOfMass;
        const double scale = simulation.settings.scale;
        const int x = static_cast<int>(scale * (centre.x + simulation.body.position.x));
        const int y = static_cast<int>(session.Height() - scale * (centre.y + simulation.body.position.y));
        session.Apply({.kind = CommandKind::Press, .x = x, .y = y});
        session.Apply({.kind = CommandKind::Release,
                       .x = x + static_cast<int>(random() % 81) - 40,
                       .y = y + static_cast<int>(random() % 81) - 40});

        for (int tick = 0; tick < 25; ++tick) {
            session.Apply({.kind = CommandKind::Tick});
            const std::string row = CsvRow(session.Simulation());
            rows.push_back(row);
            const std::string state = session.StateJson();
            const std::vector<double> values = RowNumbers(row);
            ASSERT_EQ(values.size(), columns) << row;

            const auto value = [&state](std::string_view path) { return StateValue(state, path); };
            const Quaternion orientation{value("orientation[0]"), value("orientation[1]"), value("orientation[2]"),
                                         value("orientation[3]")};
            const double expected[] = {value("steps"),
                                       value("time"),
                                       value("position[0]"),
                                       value("position[1]"),
                                       value("linearVelocity[0]"),
                                       value("linearVelocity[1]"),
                                       value("angularVelocity[2]"),
                                       AngleAboutZ(orientation),
                                       value("kineticEnergy[0]"),
                                       value("kineticEnergy[1]"),
                                       value("kineticEnergy[2]"),
                                       value("force[0]"),
                                       value("force[1]"),
                                       value("torque[2]"),
                                       Length(orientation)};
            for (std::size_t i = 0; i < columns; ++i)
                ASSERT_EQ(Bits(values[i]), Bits(expected[i])) << "column " << i << " of " << row << "\n" << state;
        }
    }
    // The history gives each step's row again, from its kept motion alone.
    const History& history = session.KeptHistory();
    ASSERT_EQ(history.Newest(), std::ssize(rows));
    for (long long step = 1; step <= history.Newest(); ++step)
        ASSERT_EQ(CsvRow(step, session.Simulation().body.totalMass, history.At(step)),
                  rows[static_cast<std::size_t>(step - 1)]);
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
