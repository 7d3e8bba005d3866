#pragma once

#include <string>
#include <vector>

#include "core/session/Project.h"

namespace zorind {

inline constexpr const char* kExchangeFileName = "tav_ed.dat";
inline constexpr const char* kResultFileName = "tav_ed.wyn";

// The material the elasticity solver is given; the project has no field for
// it. Held in single precision, as the file has always carried it.
inline constexpr float kYoungModulus = 2.1e11f;
inline constexpr float kPoissonRatio = 0.3f;

// The exchange data file for the elasticity solver, byte for byte: header,
// nodes, internal points (numbered after the nodes), elements, the counts
// line, then one displacement line per node with an element end of kind 2
// (the first such end) and one traction line per node whose first element
// end of kind 1 carries a load. Element ends at a node are taken in element
// order, an element's start before its end; an element naming a condition
// that does not exist gives no boundary lines. Reals in "%f" form of the
// stored floats, independent of the locale; every line ends with a line
// feed.
std::string exchangeFileText(const Project& project);

// The nodes, in node order, at which element ends of kind 1 carry different
// loads (x or y): the exchange file holds one load per node, that of the
// first such end, so at these nodes a side loses its own load.
std::vector<int> nodesWithSplitLoads(const Project& project);

} // namespace zorind
