#pragma once

// The ranges of the plots' axes, on round numbers, and when they change. No
// Qt here: the rules are plain arithmetic.

// A linear axis: from `low` to `high`, labelled every `interval`, which is 1,
// 2 or 5 times a power of ten; both ends are multiples of it.
struct LinearRange {
    double low = 0.0;
    double high = 1.0;
    double interval = 0.2;

    friend bool operator==(const LinearRange&, const LinearRange&) = default;
};

// The round interval that cuts `span` into at most `mostIntervals` parts.
double NiceInterval(double span, int mostIntervals);

// What the data of an axis are: their least and greatest finite values.
struct DataSpan {
    double low = 0.0;
    double high = 0.0;
};

// How an axis treats its data.
struct AxisRule {
    // The axis holds zero, so that a height reads as the value: every value
    // axis, and the energies and |p| never go below it.
    bool holdsZero = true;
    // The least span shown, for data that do not yet span much; data that
    // are all zero span 1.
    double leastSpan = 0.0;
    // The most intervals between labels.
    int mostIntervals = 4;
};

// The range for `data`: from the data (or zero) to half their span again
// beyond them, in the direction they grow, on round numbers.
LinearRange LinearRangeFor(DataSpan data, AxisRule rule);

// The range an axis showing `now` takes for `data`: `now` itself while the
// data lie within it and fill at least a quarter of it, so that it does not
// change with every frame; otherwise a new one.
LinearRange FollowLinear(const LinearRange& now, DataSpan data, AxisRule rule);

// A logarithmic axis: from `low` to `high`, both powers of ten, labelled at
// the powers of `base`, itself a power of ten chosen so that at most six
// labels show.
struct LogRange {
    double low = 1.0;
    double high = 10.0;
    double base = 10.0;

    friend bool operator==(const LogRange&, const LogRange&) = default;
};

// The range for positive `data`: from 1 when they start near it (the
// orientation's length starts at 1 and only grows, up to rounding), else
// from the power of ten below; to the power of `base` at or beyond half their
// span again in decades.
LogRange LogRangeFor(DataSpan data);
LogRange FollowLog(const LogRange& now, DataSpan data);
