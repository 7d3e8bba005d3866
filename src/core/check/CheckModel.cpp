#include "core/check/CheckModel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/check/ElementOrder.h"
#include "core/check/Nesting.h"
#include "core/check/Supports.h"
#include "core/edit/NodeOps.h"

namespace zorind {

namespace {

bool elementReferencesValid(const Project& p, const Element& e)
{
    return p.nodes.contains(e.startNode) && p.nodes.contains(e.endNode) && p.conditions.contains(e.condition) &&
           p.boundaries.contains(e.boundary);
}

// Twice the signed area enclosed by the elements of boundary b (positive
// when they run anticlockwise with x to the right and y up). The elements
// form one closed chain here, so the shoelace sum over them in any order is
// the area of that chain.
double twiceSignedArea(const Project& p, int b)
{
    double sum = 0.0;
    for (int k = 1; k <= p.elementCount(); ++k) {
        const Element& e = p.elements[k];
        if (e.boundary != b) {
            continue;
        }
        const Node& s = p.nodes[e.startNode];
        const Node& t = p.nodes[e.endNode];
        sum +=
            static_cast<double>(s.x) * static_cast<double>(t.y) - static_cast<double>(t.x) * static_cast<double>(s.y);
    }
    return sum;
}

// The solver takes the right-hand normal of every element as the outward
// one, which holds only when the region lies to the left of each boundary:
// a boundary that lies inside no other must run anticlockwise, a hole (one
// inside another) clockwise, an island inside a hole anticlockwise again.
// The boundary's "zew/wew" flag plays no part in the solution and is not
// trusted here; the geometry decides.
void warnAboutOrientation(const Project& p, Interaction& ui)
{
    for (int b = 1; b <= p.boundaryCount(); ++b) {
        const double area = twiceSignedArea(p, b);
        if (area == 0.0) {
            continue; // no elements, or nothing enclosed
        }
        const bool hole = boundaryDepth(p, b) % 2 == 1;
        const std::string number = std::to_string(b);
        if (!hole && area < 0.0) {
            ui.exclamation("Brzeg " + number +
                               " (zewnętrzny) biegnie zgodnie z ruchem wskazówek zegara.\n"
                               "Brzeg zewnętrzny powinien biec przeciwnie do ruchu wskazówek zegara, "
                               "inaczej strumienie na brzegu i wyniki w węzłach wewnętrznych będą błędne.",
                           kOrientationCaption);
        } else if (hole && area > 0.0) {
            ui.exclamation("Brzeg " + number +
                               " (wewnętrzny) biegnie przeciwnie do ruchu wskazówek zegara.\n"
                               "Brzeg wewnętrzny powinien biec zgodnie z ruchem wskazówek zegara, "
                               "inaczej strumienie na brzegu i wyniki w węzłach wewnętrznych będą błędne.",
                           kOrientationCaption);
        }
    }
}

} // namespace

int checkModel(Project& p, Interaction& ui)
{
    int result = 0;
    const int elementCount = p.elementCount();

    for (int k = 1; k <= elementCount; ++k) {
        if (!elementReferencesValid(p, p.elements[k])) {
            ui.plain("Błędne dane elementu " + std::to_string(k) + ".");
            result = 1;
        }
    }

    for (int k = 1; k <= elementCount; ++k) {
        // An element pointing outside the NodeTable has been reported above
        // and is not measured.
        if (elementHasZeroLength(p, k)) {
            ui.plain("Błędne dane elementu " + std::to_string(k) + ".\nUsuń elementy o zerowej długości.");
            result = 1;
        }
    }

    if (p.nodeCount() > 0) {
        std::vector<bool> used(static_cast<std::size_t>(p.nodeCount()) + 1, false);
        for (int k = 1; k <= elementCount; ++k) {
            const Element& e = p.elements[k];
            if (p.nodes.contains(e.startNode)) {
                used[static_cast<std::size_t>(e.startNode)] = true;
            }
            if (p.nodes.contains(e.endNode)) {
                used[static_cast<std::size_t>(e.endNode)] = true;
            }
        }
        for (int n = 1; n <= p.nodeCount(); ++n) {
            if (!used[static_cast<std::size_t>(n)]) {
                ui.plain("Węzeł " + std::to_string(n) + " nie posiada odwołania do elementu.\nUsuń wolne węzły.");
                result = 1;
            }
        }
    }

    if (elementCount <= 0) {
        return result;
    }

    // The grouping fills one scratch entry per element whose boundary exists;
    // an element with any other boundary number is not placed.
    int grouped = 0;
    for (int k = 1; k <= elementCount; ++k) {
        if (p.boundaries.contains(p.elements[k].boundary)) {
            ++grouped;
        }
    }
    if (!groupElementsByBoundary(p)) {
        ui.plain("Nie można posortować elementów");
        result = 1;
    }

    const ChainWalk walk = walkChains(p);
    if (walk.openBoundary != 0) {
        ui.plain("Brzeg " + std::to_string(walk.openBoundary) + " posiada wadliwe elementy.");
        result = 1;
    }
    if (!walk.lastChainClosed || walk.appended != elementCount) {
        ui.plain("Nie można posortować elementów (2)");
        result = 1;
    }

    // Only the entries the grouping or the walk filled hold an expected
    // order; the rest is left over from earlier commands and says nothing.
    const int filled = std::max(grouped, static_cast<int>(walk.order.size()));
    for (int k = 1; k <= filled; ++k) {
        if (!(p.elements[k] == p.elementScratch[k])) {
            ui.plain("Błędne elementy.\nRenumeruj elementy");
            result = 1;
            break;
        }
    }

    // Orientation matters to the potential solver's normals; an elasticity
    // model goes to the external solver, which this warning does not speak for.
    if (result == 0 && isPotentialAnalysis(p.analysisType)) {
        warnAboutOrientation(p, ui);
    }
    // A body free to move as a rigid one has no elastic solution; the
    // support is judged once the boundaries are known to be closed chains.
    if (result == 0 && p.analysisType == Elasticity) {
        for (const std::string& fault : unsupportedBodies(p)) {
            ui.plain(fault);
            result = 1;
        }
    }
    return result;
}

void checkModelCommand(Project& p, Interaction& ui)
{
    if (checkModel(p, ui) == 0) {
        ui.plain(kNoErrorsFound);
    }
}

} // namespace zorind
