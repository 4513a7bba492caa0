#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "sim/motion.h"

// A command the session could not carry out as asked. The message says why,
// and what the session did instead (a run halted, say).
class CommandRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Why step `step` was not taken from `before`, whose `field` it would have
// made not finite, in a learner's words: what grew and why, and what to do.
std::string WhyStepRefused(long long step, const Motion& before, const std::string& field, double stepLength);

// "step K is not kept: steps A to B are".
std::string WhyNotKept(long long step, long long oldest, long long newest);
