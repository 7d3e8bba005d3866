#include "elastic/Unknowns.h"

#include <cmath>
#include <numbers>

namespace zorind::elastic::bem {

namespace {

// A node is a corner when the boundary turns there by more than this; there
// the traction may jump and each side gets a traction of its own.
constexpr double cornerAngleDegrees = 1.0;
// Where a node has more unknowns than one point's equations, the equations
// go to points this far into its elements (a fraction of their length).
constexpr double kShifted = 0.25;

// A node is a corner when the boundary turns there (a checked boundary has
// two elements at every node it passes).
bool isCorner(const Boundary& b, const std::vector<ElementEnd>& at)
{
    if (at.size() != 2) {
        return at.size() > 2;
    }
    const ElementGeometry& g1 = b.elements[static_cast<std::size_t>(at[0].element)];
    const ElementGeometry& g2 = b.elements[static_cast<std::size_t>(at[1].element)];
    const double s1 = at[0].side == 1 ? 1.0 : -1.0; // along g1 into the node
    const double s2 = at[1].side == 0 ? 1.0 : -1.0; // along g2 out of the node
    const double turnCos = s1 * s2 * (g1.tx * g2.tx + g1.ty * g2.ty);
    return turnCos < std::cos(cornerAngleDegrees * std::numbers::pi / 180.0);
}

// Traction variables: one per element end with a known traction; one per
// element end with an unknown traction where the traction may jump (a corner
// held on both sides), one shared by both ends where the boundary runs
// straight on; one per element middle.
void assignTractionVariables(const Boundary& b, const BoundaryConditions& c, Unknowns& u,
                             std::vector<std::string>& notes)
{
    u.slotTraction.assign(3 * b.elements.size(), -1);
    auto newVar = [&](std::size_t point, std::size_t at) {
        const bool known = c.tractionKnown[at];
        u.tractions.push_back({point, known, known ? c.traction[at].x : 0.0, known ? c.traction[at].y : 0.0, at});
        return static_cast<int>(u.tractions.size()) - 1;
    };
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        if (at.empty()) {
            notes.push_back("Węzeł " + std::to_string(j + 1) +
                            " nie należy do żadnego elementu; jego wyniki są zerowe");
            continue;
        }
        if (c.loadDropped[j]) {
            notes.push_back("W węźle " + std::to_string(j + 1) +
                            " nie rozpoznano strony obciążenia; przyjęto samo przemieszczenie");
        }
        std::vector<std::size_t> unknownEnds;
        for (std::size_t k = 0; k < at.size(); ++k) {
            const std::size_t end = endSlot(at[k]);
            if (c.tractionKnown[end]) {
                u.slotTraction[end] = newVar(j, end);
            } else {
                unknownEnds.push_back(k);
            }
        }
        if (unknownEnds.size() == 2 && at.size() == 2 && !isCorner(b, at)) {
            const int v = newVar(j, endSlot(at[unknownEnds[0]]));
            u.slotTraction[endSlot(at[0])] = v;
            u.slotTraction[endSlot(at[1])] = v;
        } else {
            for (std::size_t k : unknownEnds) {
                u.slotTraction[endSlot(at[k])] = newVar(j, endSlot(at[k]));
            }
            if (unknownEnds.size() > 1) {
                ++u.cornerNodes;
            }
        }
    }
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        u.slotTraction[slot(e, 1)] = newVar(b.middlePoint(e), slot(e, 1));
    }
}

// Displacements of free points first, then the unknown tractions.
void numberColumns(const Boundary& b, const BoundaryConditions& c, Unknowns& u)
{
    u.displacementColumn.assign(b.pointCount(), -1);
    for (std::size_t j = 0; j < b.pointCount(); ++j) {
        if ((j >= b.nodes.size() || !b.ends[j].empty()) && !c.displacementKnown[j]) {
            u.displacementColumn[j] = u.count;
            u.count += 2;
        }
    }
    u.tractionColumn.assign(u.tractions.size(), -1);
    for (std::size_t v = 0; v < u.tractions.size(); ++v) {
        if (!u.tractions[v].known) {
            u.tractionColumn[v] = u.count;
            u.count += 2;
        }
    }
}

// Collocation at the node where it has one unknown pair; where it has more
// (a fixed corner), a point inside each adjacent element, kShifted of its
// length from the node. Then every element's middle.
void placeCollocationPoints(const Boundary& b, Unknowns& u)
{
    std::vector<int> unknownVarsAt(b.pointCount(), 0);
    for (const TractionVariable& v : u.tractions) {
        if (!v.known) {
            ++unknownVarsAt[v.point];
        }
    }
    auto inside = [&](std::size_t e, double s0) {
        const ElementGeometry& g = b.elements[e];
        u.points.push_back({{g.a.x + s0 * g.tx, g.a.y + s0 * g.ty}, -1, static_cast<int>(e), s0});
    };
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (b.ends[j].empty()) {
            continue;
        }
        const int pairs = (u.displacementColumn[j] >= 0 ? 1 : 0) + unknownVarsAt[j];
        if (pairs == 1) {
            u.points.push_back({b.nodes[j], static_cast<int>(j), -1, 0.0});
        } else if (pairs > 1) {
            for (const TractionVariable& v : u.tractions) {
                if (v.point != j || v.known) {
                    continue;
                }
                const std::size_t e = v.firstSlot / 3;
                const double length = b.elements[e].length;
                inside(e, v.firstSlot % 3 == 0 ? kShifted * length : (1.0 - kShifted) * length);
            }
        }
    }
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        inside(e, 0.5 * b.elements[e].length);
    }
}

} // namespace

Unknowns numberUnknowns(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes)
{
    int fixedNodes = 0;
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (c.displacementKnown[j] && !b.ends[j].empty()) {
            ++fixedNodes;
        }
    }
    if (fixedNodes == 0) {
        throw ElasticError("Brak przemieszczeń zadanych na brzegu: ruch ciała jako sztywnego nie jest zablokowany");
    }
    if (fixedNodes == 1) {
        throw ElasticError(
            "Przemieszczenie zadane tylko w jednym węźle: obrót ciała jako sztywnego nie jest zablokowany");
    }
    Unknowns u;
    u.displacement = c.displacement;
    assignTractionVariables(b, c, u, notes);
    numberColumns(b, c, u);
    placeCollocationPoints(b, u);
    if (2 * static_cast<int>(u.points.size()) != u.count) {
        throw ElasticError("Wewnętrzny błąd programu: liczba równań różni się od liczby niewiadomych");
    }
    return u;
}

} // namespace zorind::elastic::bem
