// Counts the program's heap allocations: the benchmark binary replaces the global operator new
// (allocation_count.cpp) so a benchmark can report how often the code under test allocates.
#pragma once

#include <cstddef>

namespace quorvane::bench {

// Allocations through operator new since the program started.
std::size_t allocationsSoFar();

} // namespace quorvane::bench
