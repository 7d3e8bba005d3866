#pragma once

// Internal points, by Somigliana's identity.
#include "elastic/BoundaryResults.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

using contract::PointResult;

// The results at `points`. Points on the boundary or outside the body are left out with a note: there
// Somigliana's identity gives nothing meaningful. The note names point i
// (from 0) as number firstNumber + i.
std::vector<PointResult> internalPointResults(const Material& mat, const Boundary& b, const BoundaryValues& values,
                                              const std::vector<Point>& points, std::size_t firstNumber,
                                              std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
