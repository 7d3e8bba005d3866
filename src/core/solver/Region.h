#pragma once

#include <array>
#include <vector>

#include "core/model/Model.h"

namespace zorind::solver {

struct RegionPoint {
    double x = 0.0;
    double y = 0.0;
};

// The region a model's boundaries enclose, from its geometry alone: what
// lies inside an outer boundary and outside every inner one. A copy of the
// element ends; it holds no reference to the model.
class Region {
public:
    // Every element whose nodes exist, grouped by its boundary number; a
    // boundary that is not marked inner bounds the region from outside.
    explicit Region(const Model& model);

    bool empty() const { return edges_.empty(); }

    // Whether the point lies in the region, its boundary included: on an
    // element (within a billionth of its length), or inside an outer
    // boundary and outside every inner one by the crossings of a ray towards
    // +x (an element counts when exactly one of its ends lies above the
    // point).
    bool contains(double x, double y) const;

    // The element nearest to the point (its number in the table; 0 in an
    // empty region), the parameter in [0, 1] of its nearest point from its
    // start, and the distance.
    struct Nearest {
        int element = 0;
        double t = 0.0;
        double distance = 0.0;
    };
    Nearest nearest(double x, double y) const;

    // The parts of the segment from a to b that lie in the region, as
    // intervals of its parameter in [0, 1], in order; a part that only
    // touches the boundary at a point is left out.
    std::vector<std::array<double, 2>> insideIntervals(RegionPoint a, RegionPoint b) const;

    // Each boundary as closed loops of points: its elements followed from
    // end to start, a new loop wherever the chain breaks.
    std::vector<std::vector<RegionPoint>> outlines() const;

private:
    struct Edge {
        RegionPoint a;
        RegionPoint b;
        int group = 0; // index into outer_
    };
    bool insideByCrossings(double x, double y) const;

    std::vector<Edge> edges_;
    std::vector<int> elementOfEdge_;              // the element's number
    std::vector<std::array<int, 2>> nodesOfEdge_; // its start and end node
    std::vector<unsigned char> outer_;            // per group
};

} // namespace zorind::solver
