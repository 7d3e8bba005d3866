#include "BoundaryConditions.h"

#include <algorithm>

namespace zorind::elastic::bem {

BoundaryConditions nodalConditions(const ExchangeModel& model, const Boundary& b)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c;
    c.displacementKnown.assign(nn, false);
    c.displacement.assign(nn, Point{});
    c.tractionKnown.assign(2 * b.elements.size(), false);
    c.traction.assign(2 * b.elements.size(), Point{});
    c.loadDropped.assign(nn, false);
    std::vector<bool> hasLoad(nn, false);
    std::vector<Point> load(nn);
    for (const NodalValue& v : model.displacements) {
        c.displacementKnown[static_cast<std::size_t>(v.node)] = true;
        c.displacement[static_cast<std::size_t>(v.node)] = {v.x, v.y};
    }
    for (const NodalValue& v : model.tractions) {
        hasLoad[static_cast<std::size_t>(v.node)] = true;
        load[static_cast<std::size_t>(v.node)] = {v.x, v.y};
    }
    auto otherNode = [&](const ElementEnd& end) {
        const ElementGeometry& g = b.elements[static_cast<std::size_t>(end.element)];
        return static_cast<std::size_t>(end.side == 0 ? g.end : g.start);
    };
    enum Side { undecided, loaded, fixed };
    for (std::size_t j = 0; j < nn; ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        std::vector<Side> side(at.size(), loaded);
        if (c.displacementKnown[j]) {
            for (std::size_t k = 0; k < at.size(); ++k) {
                const std::size_t m = otherNode(at[k]);
                side[k] = !c.displacementKnown[m] ? loaded : (hasLoad[j] && hasLoad[m] ? undecided : fixed);
            }
            if (at.size() == 2 && side[0] == undecided && side[1] != undecided) {
                side[0] = side[1] == loaded ? fixed : loaded;
            } else if (at.size() == 2 && side[1] == undecided && side[0] != undecided) {
                side[1] = side[0] == loaded ? fixed : loaded;
            }
            std::replace(side.begin(), side.end(), undecided, fixed);
            c.loadDropped[j] = hasLoad[j] && !at.empty() && std::count(side.begin(), side.end(), loaded) == 0;
        }
        for (std::size_t k = 0; k < at.size(); ++k) {
            if (side[k] == loaded) {
                c.tractionKnown[endIndex(at[k])] = true;
                c.traction[endIndex(at[k])] = load[j];
            }
        }
    }
    return c;
}

BoundaryConditions elementConditions(const ElasticProblem& problem, const Boundary& b, std::vector<std::string>& notes)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c;
    c.displacementKnown.assign(nn, false);
    c.displacement.assign(nn, Point{});
    c.tractionKnown.assign(2 * b.elements.size(), false);
    c.traction.assign(2 * b.elements.size(), Point{});
    c.loadDropped.assign(nn, false);
    std::vector<int> heldBy(nn, -1);
    std::vector<bool> noted(nn, false);
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        for (const int side : {0, 1}) {
            const auto node = static_cast<std::size_t>(side == 0 ? el.start : el.end);
            const PlanePoint& v = side == 0 ? el.atStart : el.atEnd;
            const Point value{v.x, v.y};
            if (el.kind == ElasticKind::Traction) {
                c.tractionKnown[2 * e + static_cast<std::size_t>(side)] = true;
                c.traction[2 * e + static_cast<std::size_t>(side)] = value;
            } else if (heldBy[node] < 0) {
                heldBy[node] = static_cast<int>(e);
                c.displacementKnown[node] = true;
                c.displacement[node] = value;
            } else if ((c.displacement[node].x != value.x || c.displacement[node].y != value.y) && !noted[node]) {
                noted[node] = true;
                notes.push_back("W węźle " + std::to_string(node + 1) + " elementy " +
                                std::to_string(heldBy[node] + 1) + " i " + std::to_string(e + 1) +
                                " zadają różne przemieszczenia; przyjęto przemieszczenie elementu " +
                                std::to_string(heldBy[node] + 1));
            }
        }
    }
    return c;
}

} // namespace zorind::elastic::bem
