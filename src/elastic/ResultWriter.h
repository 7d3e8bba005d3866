#pragma once

#include "contract/ElasticContract.h"
#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"

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

// The file that writing the result path replaces: the path itself when it
// names a regular file or nothing yet (in an existing folder); the file a
// symbolic link leads to when that is a regular file, so that the link stays
// and its target gets the results. Anything else (a folder, a device, a fifo,
// a socket, a link to one of those or to nothing) is refused: throws
// ElasticError and touches nothing.
std::filesystem::path resultFileTarget(const std::filesystem::path& path);

// Writes the result file through a new temporary file beside the target and a
// rename over it, so that a failure leaves the path as it was and never a
// partly written file; throws ElasticError.
void writeResultFile(const std::filesystem::path& path, const ExchangeModel& model, const ElasticSolution& solution);

} // namespace zorind::elastic
