#pragma once

// The boundary as the solver takes it: every element with its outward
// normal, the element ends meeting at every node, and the checks that it
// encloses a body.
#include "Quadrature.h"

#include <string>
#include <vector>

namespace zorind::elastic::bem {

// One end of an element: where it meets a node.
struct ElementEnd {
    int element = 0;
    int side = 0; // 0 start, 1 end
};

// Element end e, side s is number 2e + s in every per-end table.
inline std::size_t endIndex(const ElementEnd& end)
{
    return static_cast<std::size_t>(2 * end.element + end.side);
}

struct Boundary {
    std::vector<Point> nodes;
    std::vector<ElementGeometry> elements;
    std::vector<std::vector<ElementEnd>> ends; // per node, in element order
    double size = 0.0;                         // the larger side of the bounding box
};

// The larger side of the bounding box of the elements' nodes.
double boundarySize(const ExchangeModel& model);

// The elements of the model with their normals pointing out of the body and
// the ends at each node; throws ElasticError when the boundary does not
// enclose a body (nodes in one place, an open end or a branch, crossing or
// touching elements). Notes a boundary whose run was turned round.
Boundary boundaryGeometry(const ExchangeModel& model, std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
