#pragma once

#include <atomic>
#include <cstddef>
#include <optional>

#include "contract/ElasticProblem.h"
#include "core/exchange/ElasticSolve.h"
#include "core/session/Project.h"
#include "core/solver/FieldMap.h"
#include "core/view/ColourPalette.h"
#include "core/view/ViewTransform.h"

namespace zorind {

// The problem behind the reduced-stress map of an elasticity project with
// valid results: the problem "Oblicz sprężystość" solves, without its
// internal points; nothing for another analysis, results that are not valid
// or a condition of unknown kind.
std::optional<contract::ElasticProblem> stressMapProblem(const Project& project);

// The reduced (von Mises) stress over a drawing area, in the cells of
// solver::computeFieldMap and coloured by `range` (the scale of "Naprężenia
// zredukowane"): the problem solved again with the cell centres in the
// bounding box of its nodes as internal points, in batches on every core, so
// that each value is the internal points' own (Somigliana's identity).
// Cells outside the body or on its boundary, and every cell when the solver
// refuses the problem, are NaN. A pure function: runs in any thread; `cancel` and `done`
// as in computeFieldMap.
solver::FieldMap computeStressMap(const contract::ElasticProblem& problem, const ElasticSolver& solve,
                                  const ViewTransform& view, const ColourScaleRange& range, int clientWidth,
                                  int clientHeight, int cell, const std::atomic<bool>* cancel = nullptr,
                                  std::atomic<std::size_t>* done = nullptr);

} // namespace zorind
