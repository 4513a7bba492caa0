#include <bit>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "session/quantities.h"
#include "tests/test_files.h"
#include "ui/axis_range.h"
#include "ui/live_session.h"
#include "ui/run_samples.h"

namespace {

bool IsNice(double interval)
{
    const double mantissa = interval / std::pow(10.0, std::floor(std::log10(interval)));
    return std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9;
}

bool OnInterval(double value, double interval) { return std::abs(std::remainder(value, interval)) < 1e-9 * interval; }

}  // namespace

// Over random data, from tiny to huge, constant, negative or both: the range
// holds the data and zero, ends on round numbers, and a range followed as
// data grow changes rarely and never for data that stay within it.
TEST(AxisRange, RoundRangesThatHoldTheDataAndZeroAndSettle)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-8, 12), unit(0, 1);
    const AxisRule rule;
    for (int trial = 0; trial < 2000; ++trial) {
        const double scale = std::pow(10.0, exponent(random));
        double low = (unit(random) - 0.3) * scale, high = low + unit(random) * scale;
        if (trial % 5 == 0) high = low;      // constant
        if (trial % 7 == 0) low = high = 0;  // all zero
        const LinearRange range = LinearRangeFor({low, high}, rule);
        EXPECT_LE(range.low, std::min(low, 0.0)) << low << ' ' << high;
        EXPECT_GE(range.high, std::max(high, 0.0)) << low << ' ' << high;
        EXPECT_GT(range.high, range.low);
        EXPECT_TRUE(IsNice(range.interval)) << range.interval;
        EXPECT_TRUE(OnInterval(range.low, range.interval) && OnInterval(range.high, range.interval));
        EXPECT_LE((range.high - range.low) / range.interval, rule.mostIntervals + 2);
        EXPECT_EQ(FollowLinear(range, {low, high}, rule), range);  // fitted data keep it
    }
    // Non-negative data never go below zero on the axis; all zero is [0, 1].
    EXPECT_EQ(LinearRangeFor({0, 0}, rule), (LinearRange{0, 1, 0.5}));
    EXPECT_EQ(LinearRangeFor({3, 3}, rule).low, 0.0);

    // Steady quadratic growth over 10 000 frames changes the range only as
    // it leaves it: a few dozen times, each time by half again.
    LinearRange range = LinearRangeFor({0, 0}, rule);
    int changes = 0;
    for (int frame = 1; frame <= 10000; ++frame) {
        const LinearRange next = FollowLinear(range, {0, 0.5 * frame * frame}, rule);
        changes += next != range;
        range = next;
    }
    EXPECT_LE(changes, 40);
    // Data shrunk to a sliver of the range (a seek back) bring a range their own size.
    EXPECT_EQ(FollowLinear(range, {0, 10}, rule), LinearRangeFor({0, 10}, rule));

    // The orientation's length from 1 to beyond 1e150 on a logarithmic axis:
    // from 1, at most six labels, powers of ten.
    for (double high : {1.0, 1.0000001, 12.0, 3e7, 1e153}) {
        const LogRange log = LogRangeFor({1, high});
        EXPECT_EQ(log.low, 1.0);
        EXPECT_GE(log.high, high);
        EXPECT_LE(std::log10(log.high) / std::log10(log.base), 6.0) << high;
        EXPECT_EQ(std::log10(log.base), std::round(std::log10(log.base)));
        EXPECT_EQ(FollowLog(log, {1, high}), log);
    }
}

// The samples of a long run, a seek back and another future, against the
// history they are drawn from.
TEST(RunSamples, ThinTheKeptHistoryAndEndAtThePresent)
{
    TempFile file("2  110 65  90 55");
    LiveSession live(file.path());
    Session& session = live.session;
    session.FirstSetup();
    session.Apply({.kind = CommandKind::Press, .x = 440, .y = 292});
    // Along the particle's offset from the centre of mass: no torque, so the
    // orientation stays whole however long the run.
    session.Apply({.kind = CommandKind::Release, .x = 470, .y = 277});
    session.Apply({.kind = CommandKind::StartStop});
    RunSamples samples;
    const double mass = session.Simulation().body.totalMass;
    const auto check = [&] {
        const History& history = session.KeptHistory();
        const auto& all = samples.Samples();
        ASSERT_FALSE(all.empty());
        EXPECT_LE(all.size(), RunSamples::kMostSamples + 1);
        EXPECT_EQ(all.back().step, session.Simulation().steps);
        EXPECT_EQ(std::popcount(static_cast<unsigned long long>(samples.Stride())), 1);
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (i + 1 < all.size()) {
                EXPECT_EQ(all[i].step % samples.Stride(), 0);
            }
            if (i > 0) {
                EXPECT_LT(all[i - 1].step, all[i].step);
            }
            ASSERT_TRUE(history.Keeps(all[i].step));
            EXPECT_EQ(all[i].values, PlotValuesOf(history.At(all[i].step), mass));
        }
    };
    for (long long ticks : {1, 1, 7, 500, 3000}) {
        session.Apply({.kind = CommandKind::Tick, .count = ticks});
        samples.Follow(session.KeptHistory(), session.Simulation().steps, mass);
        check();
    }
    EXPECT_GT(samples.Stride(), 1);
    const PlotValues last = PlotValuesOf(session.KeptHistory().At(session.Simulation().steps), mass);
    EXPECT_EQ(last[static_cast<std::size_t>(PlotLine::TotalEnergy)], KineticEnergyOf(session.Simulation().body).total);

    // Back to step 1000, then another push: the samples after it go, and the
    // new future is drawn.
    samples.DropAfter(1000);
    session.Apply({.kind = CommandKind::Seek, .count = 1000});
    session.Apply({.kind = CommandKind::Press, .x = 0, .y = 0});
    session.Apply({.kind = CommandKind::Coast});
    for (int i = 0; i < 30; ++i) session.Apply({.kind = CommandKind::Step});
    samples.Follow(session.KeptHistory(), session.Simulation().steps, mass);
    check();
    samples.Clear();
    samples.Follow(session.KeptHistory(), session.Simulation().steps, mass);
    check();
}
