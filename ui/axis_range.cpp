#include "ui/axis_range.h"

#include <algorithm>
#include <cmath>

double NiceInterval(double span, int mostIntervals)
{
    if (!(span > 0) || !std::isfinite(span)) return 1.0;
    const double rough = span / mostIntervals;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= rough) return step * power;
    return 10.0 * power;
}

LinearRange LinearRangeFor(DataSpan data, AxisRule rule)
{
    double low = data.low, high = data.high;
    if (rule.holdsZero) {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    // Half the span again beyond the data, on the side they grow to.
    double span = std::max(high - low, rule.leastSpan);
    if (span == 0) span = 1;  // all zero
    if (!rule.holdsZero || high > 0 || low == high) high = std::max(high + 0.5 * span, low + span);
    if (rule.holdsZero && low < 0) low -= 0.5 * span;
    const double interval = NiceInterval(high - low, rule.mostIntervals);
    LinearRange range{std::floor(low / interval) * interval, std::ceil(high / interval) * interval, interval};
    // A quotient rounded down can leave an end a hair inside the data.
    if (range.low > data.low) range.low -= interval;
    if (range.high < data.high) range.high += interval;
    return range;
}

LinearRange FollowLinear(const LinearRange& now, DataSpan data, AxisRule rule)
{
    const bool within = data.low >= now.low && data.high <= now.high;
    const double shown = rule.holdsZero ? std::max(data.high, 0.0) - std::min(data.low, 0.0) : data.high - data.low;
    if (within && shown >= 0.25 * (now.high - now.low)) return now;
    const LinearRange fitted = LinearRangeFor(data, rule);
    // Data that fill little of any range they fit in, such as a constant,
    // keep the range they have while it holds them.
    return within && fitted.high - fitted.low >= now.high - now.low ? now : fitted;
}

namespace {

double PowerOfTen(double exponent) { return std::pow(10.0, exponent); }

}  // namespace

LogRange LogRangeFor(DataSpan data)
{
    const double lowDecade = data.low >= 0.5 ? 0.0 : std::floor(std::log10(data.low));
    const double dataDecades = std::max(std::log10(data.high) - lowDecade, 0.0);
    const double wanted = std::max(1.5 * dataDecades, 1.0);
    // Labels at most six: every 1, 2, 5, 10, ... decades.
    const double every = std::max(1.0, NiceInterval(wanted, 5));
    const double decades = std::ceil(wanted / every) * every;
    return {PowerOfTen(lowDecade), PowerOfTen(lowDecade + decades), PowerOfTen(every)};
}

LogRange FollowLog(const LogRange& now, DataSpan data)
{
    if (data.low >= now.low && data.high <= now.high) return now;
    return LogRangeFor(data);
}
