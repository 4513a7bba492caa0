#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "session/history.h"

// The quantities the plots draw, in the order of their lines.
enum class PlotLine {
    LinearEnergy,
    RotationalEnergy,
    TotalEnergy,
    MomentumLength,
    AngularMomentumZ,
    OrientationLength
};
inline constexpr std::size_t kPlotLines = 6;
using PlotValues = std::array<double, kPlotLines>;

// The plotted quantities of a kept step of a body of `totalMass`, as the
// inspector and the state line compute them.
PlotValues PlotValuesOf(const Motion& motion, double totalMass);

// What the plots draw of a run: its kept history up to the present, thinned
// to at most about kMostSamples steps, so that drawing it costs the same
// however long the run. Every stride-th step of the run is a sample, the
// stride a power of two that doubles as the run grows, and the present is
// the last sample whatever its step. Follow takes in only what is new.
class RunSamples {
public:
    // About two for each pixel of a graph's width: more would not show.
    static constexpr std::size_t kMostSamples = 600;

    struct Sample {
        long long step = 0;
        PlotValues values{};
    };

    // A setup: nothing of the run before it is drawn.
    void Clear();
    // The run went back to `step` and may go on another way: the samples
    // after it go.
    void DropAfter(long long step);
    // Takes in the history's steps since the last call, up to `present`, and
    // lets go of those it no longer keeps.
    void Follow(const History& history, long long present, double totalMass);

    // Oldest first; the last is the present.
    const std::vector<Sample>& Samples() const { return samples_; }
    long long Stride() const { return stride_; }

private:
    // Every other sample goes, the stride doubles.
    void Thin();

    std::vector<Sample> samples_;
    long long stride_ = 1;
    // Whether the last sample is the present, off the stride.
    bool presentOffStride_ = false;
};
