#pragma once

#include <stdexcept>
#include <string>

#include "core/solver/Workspace.h"

namespace zorind::solver {

// A failure inside the solution steps; the compute command reports it as a
// computation error.
class SolverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system is singular to working precision (or the elimination raised a
// floating-point fault); the compute command reports a singular matrix.
class SingularMatrixError : public SolverError {
public:
    using SolverError::SolverError;
};

// Below this magnitude a pivot is exchanged with the first row below that has
// a larger entry in its column, and a remaining small pivot is written to the
// trace.
inline constexpr double kPivotThreshold = 1e-8;
// A pivot at or below this fraction of the largest magnitude in its column
// (of the system before elimination) carries no information: it is exchanged
// for the first row below that is above it, or the system is singular. The
// absolute threshold alone cannot decide this: for metals (conductivity near
// 6e7) every entry of G lies far below 1e-8.
inline constexpr double kRelativePivotTolerance = 1e-12;

inline constexpr const char* kSingularTraceLine = "MACIERZ OSOBLIWA WYNIKI SA BLEDNE";
inline constexpr const char* kLastPivotBanner = "*****\nOSTATNI ELEMENT GLOWNY\nBLISKI ZERA\n*****";

// Gauss elimination in place on systemMatrix rows and columns 1..n with the
// right-hand side; on return rightHandSide holds the solution. Rows are
// exchanged only when a pivot is unusable, with the first usable row below (no
// search for the largest). Throws SingularMatrixError when a pivot is
// negligible against its column and no row below can replace it, or when the
// elimination raises a division by zero, an invalid operation or an overflow
// (detected through the floating-point status flags). Throws SolverError
// when n < 1.
void gaussSolve(SolverContext& ctx, int n);

// Potential and flux at every boundary node from the solution and the
// prescribed values.
void recoverNodalValues(SolverContext& ctx);

// The values at the three positions of every element: elements meeting at a
// shared node report that node's values, the two elements at a double node
// their own nodes' values.
void distributeToElements(SolverContext& ctx);

} // namespace zorind::solver
