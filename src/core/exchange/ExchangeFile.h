#pragma once

#include <string>
#include <vector>

#include "core/session/Project.h"

namespace zorind {

inline constexpr const char* kExchangeFileName = "tav_ed.dat";
inline constexpr const char* kResultFileName = "tav_ed.wyn";

// The material the exchange file gives the solver, which solves plane
// strain: the project's, or for a plate in plane stress its plane-strain
// equivalent; in single precision, as the file has always carried it
// (210000003072 and 0.3 by default).
struct ExchangedMaterial {
    float youngModulus = 0.0f;
    float poissonRatio = 0.0f;
};
ExchangedMaterial exchangedMaterial(const Model& model);

// The exchange data file for the elasticity solver, byte for byte: header,
// nodes, internal points (numbered after the nodes), elements, the counts
// line, then one displacement line per node where an element end holds a
// displacement component and one traction line per node whose first element
// end with a given traction carries a load (where a pressure or a symmetry
// plane meets the node: the first end whose tractions are not zero, so that
// a rolling or free side does not take the load off a loaded one). Element
// ends at a node are taken
// in element order, an element's start before its end, each with its
// conditions as elasticElementConditions gives them (a pressure as its x and
// y tractions); an element naming a condition that does not exist, or one
// of a kind elasticity does not know, gives no boundary lines. A
// displacement line holds the first value of each held component and flags
// the held ones ("1 1", or "1 0" and "0 1" on a symmetry plane, the other
// value 0); a traction line gives both tractions of its end, 0 for a held
// component. Reals in "%f" form of the stored floats (a pressure's tractions
// rounded to floats), independent of the locale; every line ends with a line
// feed.
std::string exchangeFileText(const Project& project);

// The elements whose conditions the exchange file carries only
// approximately, in element order: at a node where a pressure or a symmetry
// plane meets, an element end whose own held displacement or given traction
// differs from what the file gives that node (one displacement and one load
// per node: a pressure on a curve changes direction from element to element,
// and the first end's values stand for every side).
std::vector<int> elementsApproximated(const Project& project);

// The nodes, in node order, at which element ends of kind 1 carry different
// loads (x or y): the exchange file holds one load per node, that of the
// first such end, so at these nodes a side loses its own load.
std::vector<int> nodesWithSplitLoads(const Project& project);

} // namespace zorind
