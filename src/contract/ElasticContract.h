#pragma once

// What the application and the elasticity solver program agree on. The
// solver is a program of its own, which a user may replace with another one
// that reads the same exchange file and writes the same result file, so both
// sides take these values from here and from nowhere else. Standard library
// only: the solver links neither Qt nor the application's core.
#include <string_view>

namespace zorind::contract {

// The capacities of the application's tables. The exchange file never holds
// more; a file beyond them did not come from the application.
inline constexpr int kMaxNodes = 199;
inline constexpr int kMaxElements = 249;
inline constexpr int kMaxInternalPoints = 499;

// The line in front of the nodal results in the result file, compared whole
// by the import (the line end excluded).
inline constexpr std::string_view kResultHeaderLine = "                       PRZEMIESZCZENIA  BRZEGOWE  I  SILY";

} // namespace zorind::contract
