#pragma once

#include <functional>

namespace zorind::solver {

// Runs work(first, last) over [1, count] split into contiguous ranges, one per
// core (the calling thread takes the first), and returns when all are done.
// The ranges must be independent of each other. The floating-point status
// flags the ranges raise are raised in the calling thread too, so that a
// fault anywhere is seen by the caller's check. With a single core, a small
// count, or when a thread cannot be started, the calling thread does the rest.
void inParallel(int count, const std::function<void(int first, int last)>& work);

} // namespace zorind::solver
