#include "core/exchange/ExchangeFile.h"

#include <algorithm>
#include <array>
#include <optional>

#include "contract/ElasticContract.h"
#include "contract/ElasticProblem.h"
#include "core/exchange/ElasticConditions.h"
#include "core/model/NumberFormat.h"

namespace zorind {

// The tables this file is written from hold exactly what the solver program
// accepts: it refuses an exchange file beyond the contract's capacities.
static_assert(kMaxNodes == contract::kMaxNodes);
static_assert(kMaxElements == contract::kMaxElements);
static_assert(kMaxInternalPoints == contract::kMaxInternalPoints);

namespace {

enum ElasticKind { Traction = 1, Displacement = 2 };

// "%f" of a stored float, or the digits it needs where six decimals would
// not give it back.
void appendReal(std::string& out, float value)
{
    out += ' ';
    appendFileNumber(out, value, 6);
}

struct EndValues {
    float x = 0.0f;
    float y = 0.0f;
};

// One element end: the element's conditions, and which of its start (0) or
// end (2) values lie at the node.
struct EndAtNode {
    int element = 0;
    std::size_t place = 0;
    ElasticElementConditions conditions;
};

// The element ends at `node` whose conditions elasticity knows, in element
// order, an element's start before its end.
std::vector<EndAtNode> endsAt(const Project& p, int node)
{
    std::vector<EndAtNode> ends;
    for (int e : p.elements.numbers()) {
        const Element& el = p.elements[e];
        if (el.startNode != node && el.endNode != node) {
            continue;
        }
        const std::optional<ElasticElementConditions> c = elasticElementConditions(p, e);
        if (!c) {
            continue;
        }
        if (el.startNode == node) {
            ends.push_back({e, 0, *c});
        }
        if (el.endNode == node) {
            ends.push_back({e, 2, *c});
        }
    }
    return ends;
}

float component(const EndAtNode& end, std::size_t c)
{
    return static_cast<float>(end.conditions.at[end.place][c]);
}

// Whether an end's condition is one of the kinds the file has carried
// since before pressures and symmetry planes: a traction or a displacement.
bool tractionOrDisplacement(const Project& p, const EndAtNode& end)
{
    const float kind = p.conditions[p.elements[end.element].condition].kind;
    return kind == static_cast<float>(Traction) || kind == static_cast<float>(Displacement);
}

// What the exchange file says of one node: a displacement line holds each
// component some element end at the node holds, with the value of the first
// end that holds it; the traction line carries the tractions of the first
// end with a given component (zero for its held one), and is left out when
// they are zero. Where a pressure or a symmetry plane meets the node, the
// first end whose tractions are not zero stands for the node instead, so
// that a load is not lost to the zero traction of a free or rolling side.
struct NodeLines {
    std::array<bool, 2> held{};
    std::array<float, 2> displacement{};
    std::array<float, 2> traction{};
    bool newKinds = false;
};

NodeLines nodeLines(const Project& p, const std::vector<EndAtNode>& ends)
{
    NodeLines n;
    n.newKinds = !std::all_of(ends.begin(), ends.end(), [&](const EndAtNode& e) { return tractionOrDisplacement(p, e); });
    bool loaded = false;
    for (const EndAtNode& end : ends) {
        for (std::size_t c = 0; c < 2; ++c) {
            if (end.conditions.held[c] && !n.held[c]) {
                n.held[c] = true;
                n.displacement[c] = component(end, c);
            }
        }
        if (loaded || (end.conditions.held[0] && end.conditions.held[1])) {
            continue;
        }
        for (std::size_t c = 0; c < 2; ++c) {
            n.traction[c] = end.conditions.held[c] ? 0.0f : component(end, c);
        }
        loaded = !n.newKinds || n.traction[0] != 0.0f || n.traction[1] != 0.0f;
    }
    return n;
}

// Whether the file gives an element end at the node what the end's own
// element prescribes there: each held component held at its value, each
// given traction as the node's traction.
bool carriedExactly(const EndAtNode& end, const NodeLines& n)
{
    for (std::size_t c = 0; c < 2; ++c) {
        const float own = component(end, c);
        if (end.conditions.held[c] ? !n.held[c] || n.displacement[c] != own : n.traction[c] != own) {
            return false;
        }
    }
    return true;
}

} // namespace

ExchangedMaterial exchangedMaterial(const Model& model)
{
    const Material& m = model.material;
    const contract::PlaneStrainEquivalent strain =
        m.planeStress ? contract::planeStrainEquivalent(m.youngModulus, m.poissonRatio)
                      : contract::PlaneStrainEquivalent{m.youngModulus, m.poissonRatio};
    return {static_cast<float>(strain.youngModulus), static_cast<float>(strain.poissonRatio)};
}

std::vector<int> elementsApproximated(const Project& p)
{
    std::vector<bool> named(static_cast<std::size_t>(p.elementCount()) + 1, false);
    for (int i : p.nodes.numbers()) {
        const std::vector<EndAtNode> ends = endsAt(p, i);
        const NodeLines lines = nodeLines(p, ends);
        // Traction and displacement ends alone are what the file has always
        // carried; where they lose a load the nodes are named instead.
        if (!lines.newKinds) {
            continue;
        }
        for (const EndAtNode& end : ends) {
            if (!carriedExactly(end, lines)) {
                named[static_cast<std::size_t>(end.element)] = true;
            }
        }
    }
    std::vector<int> elements;
    for (int e : p.elements.numbers()) {
        if (named[static_cast<std::size_t>(e)]) {
            elements.push_back(e);
        }
    }
    return elements;
}

std::vector<int> nodesWithSplitLoads(const Project& p)
{
    std::vector<int> nodes;
    for (int i : p.nodes.numbers()) {
        std::optional<EndValues> first;
        bool split = false;
        for (const Element& e : p.elements) {
            if (!p.conditions.contains(e.condition) || p.conditions[e.condition].kind != static_cast<float>(Traction)) {
                continue;
            }
            const BoundaryCondition& c = p.conditions[e.condition];
            for (const auto& [node, load] : {std::pair{e.startNode, EndValues{c.atNode1, c.atNode1Y}},
                                             std::pair{e.endNode, EndValues{c.atNode2, c.atNode2Y}}}) {
                if (node != i) {
                    continue;
                }
                if (!first) {
                    first = load;
                } else if (load.x != first->x || load.y != first->y) {
                    split = true;
                }
            }
        }
        if (split) {
            nodes.push_back(i);
        }
    }
    return nodes;
}

std::string exchangeFileText(const Project& p)
{
    std::string out = "0 " + std::to_string(p.elementCount()) + ' ' + std::to_string(p.nodeCount()) + ' ' +
                      std::to_string(p.internalPointCount()) + " 1 0";
    const ExchangedMaterial material = exchangedMaterial(p);
    appendReal(out, material.youngModulus);
    appendReal(out, material.poissonRatio);
    out += '\n';

    for (int i : p.nodes.numbers()) {
        out += std::to_string(i);
        appendReal(out, p.nodes[i].x);
        appendReal(out, p.nodes[i].y);
        out += " 0 0\n";
    }
    for (int i : p.internalPoints.numbers()) {
        out += std::to_string(p.nodeCount() + i);
        appendReal(out, p.internalPoints[i].x);
        appendReal(out, p.internalPoints[i].y);
        out += '\n';
    }
    for (int e : p.elements.numbers()) {
        out += std::to_string(e) + ' ' + std::to_string(p.elements[e].startNode) + ' ' +
               std::to_string(p.elements[e].endNode) + '\n';
    }

    std::string displacements;
    std::string tractions;
    int displacementCount = 0;
    int tractionCount = 0;
    for (int i : p.nodes.numbers()) {
        const NodeLines n = nodeLines(p, endsAt(p, i));
        if (n.held[0] || n.held[1]) {
            displacements += std::to_string(i);
            appendReal(displacements, n.displacement[0]);
            appendReal(displacements, n.displacement[1]);
            displacements += std::string(n.held[0] ? " 1" : " 0") + (n.held[1] ? " 1\n" : " 0\n");
            ++displacementCount;
        }
        // Only the first end with a given traction counts: when it carries
        // no load, the node gets no line even if a later end does.
        if (n.traction[0] != 0.0f || n.traction[1] != 0.0f) {
            tractions += std::to_string(i);
            appendReal(tractions, n.traction[0]);
            appendReal(tractions, n.traction[1]);
            tractions += '\n';
            ++tractionCount;
        }
    }
    out += std::to_string(displacementCount) + ' ' + std::to_string(tractionCount) + '\n';
    out += displacements;
    out += tractions;
    return out;
}

} // namespace zorind
