// The fuzzers' one way to report a broken invariant: name it and abort, which libFuzzer takes
// as a crash and saves the input for.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace quorvane::fuzz {

inline void require(bool condition, const char* invariant) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

} // namespace quorvane::fuzz
