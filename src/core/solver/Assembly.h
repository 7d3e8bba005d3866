#pragma once

#include "core/solver/Workspace.h"

namespace zorind::solver {

// The kind of boundary node j as 1 (potential given), 2 (flux given) or 3
// (convection). Throws SolverError for any other kind.
int conditionKind(const SolverContext& ctx, int j);

// Throws SolverError when a boundary node has an unknown kind.
void checkConditionKinds(const SolverContext& ctx);

// Row i of the system and its right-hand side from row i of G and H
// (gRow[j], hRow[j] for the boundary nodes j = 1..nb): the prescribed
// quantities move to the right-hand side, per column j by the kind of node j,
// G (kind 1, the flux is unknown), -H (kind 2, the potential is unknown) or
// G·v - H (kind 3, convection). The kinds must have passed
// checkConditionKinds.
void applyConditions(SolverContext& ctx, int i, const double* gRow, const double* hRow);

// The system of the boundary nodes: every boundary row of G and H integrated
// in turn (BoundaryRows) and written straight into systemMatrix and
// rightHandSide. Needs the numbering of numberNodes. Throws SolverError for a
// node of an unknown kind.
void assembleSystem(SolverContext& ctx);

} // namespace zorind::solver
