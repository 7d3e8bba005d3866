#include "elastic/BoundaryConditions.h"

#include <algorithm>
#include <array>

namespace zorind::elastic::bem {

namespace {

// Nothing prescribed yet.
BoundaryConditions emptyConditions(const Boundary& b)
{
    BoundaryConditions c;
    c.displacementKnown.assign(b.pointCount(), Components{});
    c.displacement.assign(b.pointCount(), Point{});
    c.tractionKnown.assign(3 * b.elements.size(), Components{});
    c.traction.assign(3 * b.elements.size(), Point{});
    c.loadDropped.assign(b.nodes.size(), false);
    return c;
}

// The middles of the exchange file's elements, which it has no values for.
void interpolateMiddles(const Boundary& b, BoundaryConditions& c)
{
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const std::array<std::size_t, 3> at = b.elementPoints(e);
        for (int k = 0; k < 2; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (c.tractionKnown[slot(e, 0)][i] && c.tractionKnown[slot(e, 2)][i]) {
                c.tractionKnown[slot(e, 1)][i] = true;
                component(c.traction[slot(e, 1)], k) =
                    0.5 * (component(c.traction[slot(e, 0)], k) + component(c.traction[slot(e, 2)], k));
            } else {
                c.displacementKnown[at[1]][i] = true;
                component(c.displacement[at[1]], k) =
                    0.5 * (component(c.displacement[at[0]], k) + component(c.displacement[at[2]], k));
            }
        }
    }
}

enum Side { undecided, loaded, fixed };

// Which sides of node j are loaded and which held in component k of the
// exchange file: see nodalConditions.
std::vector<Side> nodeSides(const Boundary& b, std::size_t j, int k, const BoundaryConditions& c,
                            const std::vector<bool>& hasLoad)
{
    const auto i = static_cast<std::size_t>(k);
    const std::vector<ElementEnd>& at = b.ends[j];
    std::vector<Side> side(at.size(), loaded);
    if (!c.displacementKnown[j][i]) {
        return side;
    }
    for (std::size_t s = 0; s < at.size(); ++s) {
        const ElementGeometry& g = b.elements[static_cast<std::size_t>(at[s].element)];
        const auto m = static_cast<std::size_t>(at[s].side == 0 ? g.end : g.start);
        side[s] = !c.displacementKnown[m][i] ? loaded : (hasLoad[j] && hasLoad[m] ? undecided : fixed);
    }
    if (at.size() == 2 && side[0] == undecided && side[1] != undecided) {
        side[0] = side[1] == loaded ? fixed : loaded;
    } else if (at.size() == 2 && side[1] == undecided && side[0] != undecided) {
        side[1] = side[0] == loaded ? fixed : loaded;
    }
    std::replace(side.begin(), side.end(), undecided, fixed);
    return side;
}

} // namespace

BoundaryConditions nodalConditions(const ExchangeModel& model, const Boundary& b)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c = emptyConditions(b);
    std::vector<bool> hasLoad(nn, false);
    std::vector<Point> load(nn);
    for (const NodalValue& v : model.displacements) {
        const auto j = static_cast<std::size_t>(v.node);
        c.displacementKnown[j] = {v.heldX, v.heldY};
        c.displacement[j] = {v.heldX ? v.x : 0.0, v.heldY ? v.y : 0.0};
    }
    for (const NodalValue& v : model.tractions) {
        hasLoad[static_cast<std::size_t>(v.node)] = true;
        load[static_cast<std::size_t>(v.node)] = {v.x, v.y};
    }
    for (std::size_t j = 0; j < nn; ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        for (int k = 0; k < 2; ++k) {
            const std::vector<Side> side = nodeSides(b, j, k, c, hasLoad);
            // A load whose node is held on every side in a component it has.
            if (c.displacementKnown[j][static_cast<std::size_t>(k)] && !at.empty() && hasLoad[j] &&
                component(load[j], k) != 0.0 && std::count(side.begin(), side.end(), loaded) == 0) {
                c.loadDropped[j] = true;
            }
            for (std::size_t s = 0; s < at.size(); ++s) {
                if (side[s] == loaded) {
                    c.tractionKnown[endSlot(at[s])][static_cast<std::size_t>(k)] = true;
                    component(c.traction[endSlot(at[s])], k) = component(load[j], k);
                }
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
    std::vector<std::array<int, 2>> heldBy(nn, {-1, -1});
    std::vector<bool> noted(nn, false);
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        const Components held = {el.kind == ElasticKind::Displacement || el.kind == ElasticKind::HeldX,
                                 el.kind == ElasticKind::Displacement || el.kind == ElasticKind::HeldY};
        const PlanePoint middle =
            el.atMiddle.value_or(PlanePoint{0.5 * (el.atStart.x + el.atEnd.x), 0.5 * (el.atStart.y + el.atEnd.y)});
        const std::array<std::size_t, 3> points = b.elementPoints(e);
        const std::array<PlanePoint, 3> values = {el.atStart, middle, el.atEnd};
        for (int position = 0; position < 3; ++position) {
            const std::size_t point = points[static_cast<std::size_t>(position)];
            const Point value{values[static_cast<std::size_t>(position)].x,
                              values[static_cast<std::size_t>(position)].y};
            for (int k = 0; k < 2; ++k) {
                const auto i = static_cast<std::size_t>(k);
                if (!held[i]) {
                    c.tractionKnown[slot(e, position)][i] = true;
                    component(c.traction[slot(e, position)], k) = component(value, k);
                } else if (position == 1 || heldBy[point][i] < 0) {
                    if (position != 1) {
                        heldBy[point][i] = static_cast<int>(e);
                    }
                    c.displacementKnown[point][i] = true;
                    component(c.displacement[point], k) = component(value, k);
                } else if (component(c.displacement[point], k) != component(value, k) && !noted[point]) {
                    noted[point] = true;
                    notes.push_back("W węźle " + std::to_string(point + 1) + " elementy " +
                                    std::to_string(heldBy[point][i] + 1) + " i " + std::to_string(e + 1) +
                                    " zadają różne przemieszczenia; przyjęto przemieszczenie elementu " +
                                    std::to_string(heldBy[point][i] + 1));
                }
            }
        }
    }
    return c;
}

} // namespace zorind::elastic::bem
