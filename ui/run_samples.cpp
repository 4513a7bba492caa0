#include "ui/run_samples.h"

#include <algorithm>
#include <cmath>

#include "session/quantities.h"

PlotValues PlotValuesOf(const Motion& motion, double totalMass)
{
    const KineticEnergy energy = KineticEnergyOf(totalMass, motion);
    const Vector3 p = motion.linearMomentum;
    return {energy.linear,        energy.rotational,        energy.total,
            std::sqrt(Dot(p, p)), motion.angularMomentum.z, Length(motion.orientation)};
}

void RunSamples::Clear()
{
    samples_.clear();
    stride_ = 1;
    presentOffStride_ = false;
}

void RunSamples::DropAfter(long long step)
{
    while (!samples_.empty() && samples_.back().step > step) samples_.pop_back();
    presentOffStride_ = false;
}

void RunSamples::Thin()
{
    stride_ *= 2;
    std::erase_if(samples_, [this](const Sample& sample) { return sample.step % stride_ != 0; });
}

void RunSamples::Follow(const History& history, long long present, double totalMass)
{
    if (presentOffStride_) samples_.pop_back();
    presentOffStride_ = false;
    DropAfter(present);
    const long long oldest = history.Oldest();
    const auto gone = std::find_if(samples_.begin(), samples_.end(),
                                   [oldest](const Sample& sample) { return sample.step >= oldest; });
    samples_.erase(samples_.begin(), gone);
    if (!history.Keeps(present)) return;

    // The first step on the stride after the last sample, or from the oldest kept.
    const auto next = [&] {
        const long long from = samples_.empty() ? oldest : samples_.back().step + 1;
        return (from + stride_ - 1) / stride_ * stride_;
    };
    while (present >= next() &&
           samples_.size() + static_cast<std::size_t>((present - next()) / stride_) >= kMostSamples)
        Thin();
    for (long long step = next(); step <= present; step += stride_)
        samples_.push_back({step, PlotValuesOf(history.At(step), totalMass)});
    if (samples_.empty() || samples_.back().step != present) {
        samples_.push_back({present, PlotValuesOf(history.At(present), totalMass)});
        presentOffStride_ = true;
    }
}
