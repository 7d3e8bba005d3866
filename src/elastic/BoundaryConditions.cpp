#include "elastic/BoundaryConditions.h"

#include <algorithm>
#include <array>

namespace zorind::elastic::bem {

namespace {

// Nothing prescribed yet.
BoundaryConditions emptyConditions(const Boundary& b)
{
    BoundaryConditions c;
    c.displacementKnown.assign(b.pointCount(), false);
    c.displacement.assign(b.pointCount(), Point{});
    c.tractionKnown.assign(3 * b.elements.size(), false);
    c.traction.assign(3 * b.elements.size(), Point{});
    c.loadDropped.assign(b.nodes.size(), false);
    return c;
}

Point mean(const Point& a, const Point& b)
{
    return {0.5 * (a.x + b.x), 0.5 * (a.y + b.y)};
}

// The middles of the exchange file's elements, which it has no values for.
void interpolateMiddles(const Boundary& b, BoundaryConditions& c)
{
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const std::array<std::size_t, 3> at = b.elementPoints(e);
        if (c.tractionKnown[slot(e, 0)] && c.tractionKnown[slot(e, 2)]) {
            c.tractionKnown[slot(e, 1)] = true;
            c.traction[slot(e, 1)] = mean(c.traction[slot(e, 0)], c.traction[slot(e, 2)]);
        } else {
            c.displacementKnown[at[1]] = true;
            c.displacement[at[1]] = mean(c.displacement[at[0]], c.displacement[at[2]]);
        }
    }
}

} // namespace

BoundaryConditions nodalConditions(const ExchangeModel& model, const Boundary& b)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c = emptyConditions(b);
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
                c.tractionKnown[endSlot(at[k])] = true;
                c.traction[endSlot(at[k])] = load[j];
            }
        }
    }
    interpolateMiddles(b, c);
    return c;
}

BoundaryConditions elementConditions(const ElasticProblem& problem, const Boundary& b, std::vector<std::string>& notes)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c = emptyConditions(b);
    std::vector<int> heldBy(nn, -1);
    std::vector<bool> noted(nn, false);
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        const PlanePoint middle =
            el.atMiddle.value_or(PlanePoint{0.5 * (el.atStart.x + el.atEnd.x), 0.5 * (el.atStart.y + el.atEnd.y)});
        const std::array<std::size_t, 3> points = b.elementPoints(e);
        const std::array<PlanePoint, 3> values = {el.atStart, middle, el.atEnd};
        for (int position = 0; position < 3; ++position) {
            const std::size_t point = points[static_cast<std::size_t>(position)];
            const Point value{values[static_cast<std::size_t>(position)].x,
                              values[static_cast<std::size_t>(position)].y};
            if (el.kind == ElasticKind::Traction) {
                c.tractionKnown[slot(e, position)] = true;
                c.traction[slot(e, position)] = value;
            } else if (position == 1 || heldBy[point] < 0) {
                if (position != 1) {
                    heldBy[point] = static_cast<int>(e);
                }
                c.displacementKnown[point] = true;
                c.displacement[point] = value;
            } else if ((c.displacement[point].x != value.x || c.displacement[point].y != value.y) && !noted[point]) {
                noted[point] = true;
                notes.push_back("W węźle " + std::to_string(point + 1) + " elementy " +
                                std::to_string(heldBy[point] + 1) + " i " + std::to_string(e + 1) +
                                " zadają różne przemieszczenia; przyjęto przemieszczenie elementu " +
                                std::to_string(heldBy[point] + 1));
            }
        }
    }
    return c;
}

} // namespace zorind::elastic::bem
