#include "elastic/Unknowns.h"

#include <algorithm>
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

// Traction variables, component by component: one per element end with a
// known traction; one per element end with an unknown traction where the
// traction may jump (a corner held on both sides), one shared by both ends
// where the boundary runs straight on; one per element middle.
void assignTractionVariables(const Boundary& b, const BoundaryConditions& c, Unknowns& u)
{
    u.slotTraction.assign(3 * b.elements.size(), {-1, -1});
    auto newVar = [&](std::size_t point, int k, std::size_t at) {
        const bool known = c.tractionKnown[at][static_cast<std::size_t>(k)];
        u.tractions.push_back({point, k, known, known ? component(c.traction[at], k) : 0.0, at});
        return static_cast<int>(u.tractions.size()) - 1;
    };
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        bool corner = false;
        for (int k = 0; k < 2; ++k) {
            const auto i = static_cast<std::size_t>(k);
            std::vector<std::size_t> unknownEnds;
            for (std::size_t s = 0; s < at.size(); ++s) {
                const std::size_t end = endSlot(at[s]);
                if (c.tractionKnown[end][i]) {
                    u.slotTraction[end][i] = newVar(j, k, end);
                } else {
                    unknownEnds.push_back(s);
                }
            }
            if (unknownEnds.size() == 2 && at.size() == 2 && !isCorner(b, at)) {
                const int v = newVar(j, k, endSlot(at[unknownEnds[0]]));
                u.slotTraction[endSlot(at[0])][i] = v;
                u.slotTraction[endSlot(at[1])][i] = v;
                continue;
            }
            for (std::size_t s : unknownEnds) {
                u.slotTraction[endSlot(at[s])][i] = newVar(j, k, endSlot(at[s]));
            }
            corner = corner || unknownEnds.size() > 1;
        }
        u.cornerNodes += corner ? 1 : 0;
    }
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        for (int k = 0; k < 2; ++k) {
            u.slotTraction[slot(e, 1)][static_cast<std::size_t>(k)] = newVar(b.middlePoint(e), k, slot(e, 1));
        }
    }
}

// Displacements of free points first, then the unknown tractions.
void numberColumns(const Boundary& b, const BoundaryConditions& c, Unknowns& u)
{
    u.displacementColumn.assign(b.pointCount(), {-1, -1});
    for (std::size_t j = 0; j < b.pointCount(); ++j) {
        for (std::size_t i = 0; i < 2; ++i) {
            if ((j >= b.nodes.size() || !b.ends[j].empty()) && !c.displacementKnown[j][i]) {
                u.displacementColumn[j][i] = u.count++;
            }
        }
    }
    u.tractionColumn.assign(u.tractions.size(), -1);
    for (std::size_t v = 0; v < u.tractions.size(); ++v) {
        if (!u.tractions[v].known) {
            u.tractionColumn[v] = u.count++;
        }
    }
}

// In each component, the equation of a node that has one unknown there is
// written at the node; where it has more (a corner held on both sides), at
// a point inside each adjacent element, kShifted of its length from the
// node, one equation for each unknown traction. Then both equations of
// every element's middle.
void placeCollocationPoints(const Boundary& b, Unknowns& u)
{
    std::vector<std::array<int, 2>> unknownVarsAt(b.pointCount(), {0, 0});
    for (const TractionVariable& v : u.tractions) {
        if (!v.known) {
            ++unknownVarsAt[v.point][static_cast<std::size_t>(v.component)];
        }
    }
    auto inside = [&](std::size_t e, double s0, Components equations) {
        const ElementGeometry& g = b.elements[e];
        u.points.push_back({{g.a.x + s0 * g.tx, g.a.y + s0 * g.ty}, -1, static_cast<int>(e), s0, equations, {-1, -1}});
    };
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (b.ends[j].empty()) {
            continue;
        }
        Components atNode{};
        std::vector<std::pair<std::size_t, Components>> shifted; // per slot: its equations
        for (std::size_t i = 0; i < 2; ++i) {
            const int count = (u.displacementColumn[j][i] >= 0 ? 1 : 0) + unknownVarsAt[j][i];
            atNode[i] = count == 1;
            if (count < 2) {
                continue;
            }
            for (const TractionVariable& v : u.tractions) {
                if (v.point != j || v.known || v.component != static_cast<int>(i)) {
                    continue;
                }
                auto same = std::find_if(shifted.begin(), shifted.end(),
                                         [&](const auto& entry) { return entry.first == v.firstSlot; });
                if (same == shifted.end()) {
                    shifted.push_back({v.firstSlot, Components{}});
                    same = shifted.end() - 1;
                }
                same->second[i] = true;
            }
        }
        if (atNode[0] || atNode[1]) {
            u.points.push_back({b.nodes[j], static_cast<int>(j), -1, 0.0, atNode, {-1, -1}});
        }
        for (const auto& [firstSlot, equations] : shifted) {
            const std::size_t e = firstSlot / 3;
            const double length = b.elements[e].length;
            inside(e, firstSlot % 3 == 0 ? kShifted * length : (1.0 - kShifted) * length, equations);
        }
    }
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        inside(e, 0.5 * b.elements[e].length, {true, true});
    }
    int row = 0;
    for (CollocationPoint& p : u.points) {
        for (std::size_t i = 0; i < 2; ++i) {
            p.rows[i] = p.equations[i] ? row++ : -1;
        }
    }
}

// The notes of the nodes themselves: one of no element, a load left out.
void noteNodes(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes)
{
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (b.ends[j].empty()) {
            notes.push_back("Węzeł " + std::to_string(j + 1) +
                            " nie należy do żadnego elementu; jego wyniki są zerowe");
        } else if (c.loadDropped[j]) {
            notes.push_back("W węźle " + std::to_string(j + 1) +
                            " nie rozpoznano strony obciążenia; przyjęto samo przemieszczenie");
        }
    }
}

} // namespace

Unknowns numberUnknowns(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes)
{
    int fixedNodes = 0;
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if ((c.displacementKnown[j][0] || c.displacementKnown[j][1]) && !b.ends[j].empty()) {
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
    noteNodes(b, c, notes);
    assignTractionVariables(b, c, u);
    numberColumns(b, c, u);
    placeCollocationPoints(b, u);
    const int equations = u.points.empty() ? 0 : std::max(u.points.back().rows[0], u.points.back().rows[1]) + 1;
    if (equations != u.count) {
        throw ElasticError("Wewnętrzny błąd programu: liczba równań różni się od liczby niewiadomych");
    }
    return u;
}

} // namespace zorind::elastic::bem
