#pragma once

// The boundary as the solver takes it: every element with its outward
// normal, the element ends meeting at every node, and the checks that it
// encloses a body.
#include "elastic/Quadrature.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

// One end of an element: where it meets a node.
struct ElementEnd {
    int element = 0;
    int side = 0; // 0 start, 1 end
};

struct Boundary {
    std::vector<Point> nodes;
    std::vector<ElementGeometry> elements;
    std::vector<std::vector<ElementEnd>> ends; // per node, in element order
    double size = 0.0;                         // the larger side of the bounding box

    // The points that carry a displacement: every node, then the middle of
    // every element.
    std::size_t pointCount() const { return nodes.size() + elements.size(); }
    std::size_t middlePoint(std::size_t e) const { return nodes.size() + e; }
    // The points of element e at its positions 0 (start), 1 (middle), 2 (end).
    std::array<std::size_t, 3> elementPoints(std::size_t e) const
    {
        const ElementGeometry& g = elements[e];
        return {static_cast<std::size_t>(g.start), middlePoint(e), static_cast<std::size_t>(g.end)};
    }
};

// The tractions are held per element position: slot 3e + k is element e at
// position k, so that each side of a node keeps a traction of its own.
inline std::size_t slot(std::size_t e, int position)
{
    return 3 * e + static_cast<std::size_t>(position);
}

inline std::size_t endSlot(const ElementEnd& end)
{
    return slot(static_cast<std::size_t>(end.element), 2 * end.side);
}

// The larger side of the bounding box of the elements' nodes.
double boundarySize(const ExchangeModel& model);

// The elements of the model with their normals pointing out of the body and
// the ends at each node; throws ElasticError when the boundary does not
// enclose a body (nodes in one place, an open end or a branch, crossing or
// touching elements). Notes a boundary whose run was turned round.
Boundary boundaryGeometry(const ExchangeModel& model, std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
