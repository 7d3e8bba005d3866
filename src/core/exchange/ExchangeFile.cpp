#include "core/exchange/ExchangeFile.h"

#include <optional>

#include "contract/ElasticContract.h"
#include "core/model/NumberFormat.h"

namespace zorind {

// The tables this file is written from hold exactly what the solver program
// accepts: it refuses an exchange file beyond the contract's capacities.
static_assert(kMaxNodes == contract::kMaxNodes);
static_assert(kMaxElements == contract::kMaxElements);
static_assert(kMaxInternalPoints == contract::kMaxInternalPoints);

namespace {

enum ElasticKind { Traction = 1, Displacement = 2 };

// "%f" of a stored float.
void appendReal(std::string& out, float value)
{
    out += ' ';
    appendFixed(out, static_cast<double>(value), 6);
}

struct EndValues {
    float x = 0.0f;
    float y = 0.0f;
};

// The values of the first element end at `node` whose condition is of
// `kind`, element ends taken in element order, start before end.
std::optional<EndValues> firstEnd(const Project& p, int node, ElasticKind kind)
{
    const float wanted = static_cast<float>(kind);
    for (const Element& e : p.elements) {
        if (!p.conditions.contains(e.condition)) {
            continue;
        }
        const BoundaryCondition& c = p.conditions[e.condition];
        if (c.kind != wanted) {
            continue;
        }
        if (e.startNode == node) {
            return EndValues{c.atNode1, c.atNode1Y};
        }
        if (e.endNode == node) {
            return EndValues{c.atNode2, c.atNode2Y};
        }
    }
    return std::nullopt;
}

} // namespace

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
    appendReal(out, kYoungModulus);
    appendReal(out, kPoissonRatio);
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
        if (const std::optional<EndValues> d = firstEnd(p, i, Displacement)) {
            displacements += std::to_string(i);
            appendReal(displacements, d->x);
            appendReal(displacements, d->y);
            displacements += " 1 1\n";
            ++displacementCount;
        }
        // Only the first traction end counts: when it carries no load, the
        // node gets no line even if a later end does.
        const std::optional<EndValues> t = firstEnd(p, i, Traction);
        if (t && (t->x != 0.0f || t->y != 0.0f)) {
            tractions += std::to_string(i);
            appendReal(tractions, t->x);
            appendReal(tractions, t->y);
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
