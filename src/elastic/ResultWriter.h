#pragma once

#include "ElasticContract.h"
#include "ElasticSolver.h"
#include "ExchangeModel.h"

#include <filesystem>
#include <ostream>
#include <string_view>

namespace zorind::elastic {

// The line the application's import looks for in front of the nodal results;
// the contract's own, under the name the writer's callers know.
inline constexpr const std::string_view& resultHeaderLine = contract::kResultHeaderLine;

// Writes the result file: a banner, the header line, a headings line, per node
// displacements and forces, three lines, per node coordinates and stresses,
// then the internal points under a heading of their own.
void writeResults(std::ostream& out, const ExchangeModel& model, const ElasticSolution& solution);

// Writes the result file through a temporary file in the same folder and a
// rename, so that a failure never leaves a complete-looking file behind;
// throws ElasticError.
void writeResultFile(const std::filesystem::path& path, const ExchangeModel& model, const ElasticSolution& solution);

} // namespace zorind::elastic
