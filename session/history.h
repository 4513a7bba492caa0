#pragma once

#include <deque>

#include "sim/motion.h"

// The body's motion right after the last setup (step 0) and right after every
// step since, at most kMostStepsBack steps behind the present, so that a run
// can be sought back exactly. The particles are never copied: a step costs a
// few hundred bytes whatever the body's size.
class History {
public:
    static constexpr long long kMostStepsBack = 100000;

    // A setup: its motion is step 0, and nothing else is kept.
    void Restart(const Motion& afterSetup);
    // Forgets every step after `present`: the run goes on from there.
    void DropAfter(long long present);
    // The motion right after step `step`, the one after the newest kept; the
    // oldest go while they lie more than kMostStepsBack behind it.
    void Append(long long step, const Motion& motion);

    bool Keeps(long long step) const { return step >= oldest_ && step <= Newest(); }
    // Only for a step it keeps.
    const Motion& At(long long step) const { return motions_[static_cast<std::size_t>(step - oldest_)]; }
    long long Oldest() const { return oldest_; }
    long long Newest() const { return oldest_ + static_cast<long long>(motions_.size()) - 1; }

private:
    std::deque<Motion> motions_;
    long long oldest_ = 0;
};
