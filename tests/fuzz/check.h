#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding like a crash: libFuzzer saves the input that
// led here when the process aborts.
inline void Check(bool holds, const char* invariant)
{
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
