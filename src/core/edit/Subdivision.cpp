#include "core/edit/Subdivision.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/ui/Messages.h"

namespace zorind {

namespace {

// A prompt's answer as a whole number; nothing when it has a fraction or
// lies beyond any table's numbers.
std::optional<int> wholeNumber(double value)
{
    if (!std::isfinite(value) || std::floor(value) != value || value < -1.0e6 || value > 1.0e6) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// Whether a condition has one value along its element, in x and in y.
bool constantAlong(const BoundaryCondition& c)
{
    return c.atNode1 == c.atMiddle && c.atMiddle == c.atNode2 && c.atNode1Y == c.atMiddleY &&
           c.atMiddleY == c.atNode2Y;
}

// The value of the quadratic through (0, a), (1/2, m), (1, b) at t; the
// ends exactly.
float along(float a, float m, float b, double t)
{
    if (t == 0.0) {
        return a;
    }
    if (t == 1.0) {
        return b;
    }
    const double xi = 2.0 * t - 1.0;
    return static_cast<float>(xi * (xi - 1.0) / 2.0 * a + (1.0 - xi) * (1.0 + xi) * m + xi * (xi + 1.0) / 2.0 * b);
}

// The condition of the piece from t0 to t1 of an element with condition c:
// c's own values there, at the piece's ends and middle.
BoundaryCondition pieceOf(const BoundaryCondition& c, double t0, double t1)
{
    const double tm = (t0 + t1) / 2.0;
    BoundaryCondition piece = c;
    piece.atNode1 = along(c.atNode1, c.atMiddle, c.atNode2, t0);
    piece.atMiddle = along(c.atNode1, c.atMiddle, c.atNode2, tm);
    piece.atNode2 = along(c.atNode1, c.atMiddle, c.atNode2, t1);
    piece.atNode1Y = along(c.atNode1Y, c.atMiddleY, c.atNode2Y, t0);
    piece.atMiddleY = along(c.atNode1Y, c.atMiddleY, c.atNode2Y, tm);
    piece.atNode2Y = along(c.atNode1Y, c.atMiddleY, c.atNode2Y, t1);
    return piece;
}

// The conditions of the pieces of the split elements: a condition with one
// value along its element stays shared; a varying one gives each piece a
// condition of its own values, an existing one with exactly those values
// or one to be added. Elements not split keep theirs.
struct PieceConditions {
    // Per element: the condition of each of its pieces.
    std::vector<std::vector<int>> of;
    std::vector<BoundaryCondition> added;
};

PieceConditions pieceConditions(const Project& p, const std::vector<bool>& split, int parts)
{
    PieceConditions plan;
    plan.of.resize(split.size());
    const auto numberOf = [&p, &plan](const BoundaryCondition& wanted) {
        for (const int c : p.conditions.numbers()) {
            if (p.conditions[c] == wanted) {
                return c;
            }
        }
        for (std::size_t k = 0; k < plan.added.size(); ++k) {
            if (plan.added[k] == wanted) {
                return p.conditionCount() + 1 + static_cast<int>(k);
            }
        }
        plan.added.push_back(wanted);
        return p.conditionCount() + static_cast<int>(plan.added.size());
    };
    for (const int k : p.elements.numbers()) {
        if (!split[static_cast<std::size_t>(k)]) {
            continue;
        }
        const int condition = p.elements[k].condition;
        std::vector<int>& pieces = plan.of[static_cast<std::size_t>(k)];
        // A condition number naming nothing is left for the check to report.
        if (!p.conditions.contains(condition) || constantAlong(p.conditions[condition])) {
            pieces.assign(static_cast<std::size_t>(parts), condition);
            continue;
        }
        for (int i = 0; i < parts; ++i) {
            const double t0 = static_cast<double>(i) / parts;
            const double t1 = static_cast<double>(i + 1) / parts;
            pieces.push_back(numberOf(pieceOf(p.conditions[condition], t0, t1)));
        }
    }
    return plan;
}

} // namespace

bool splitElements(Project& p, Interaction& ui, const std::vector<int>& elements, int parts)
{
    if (parts < kMinParts || parts > kMaxParts) {
        ui.error(kBadPartCount, kSubdivideCaption);
        return false;
    }
    std::vector<bool> split(static_cast<std::size_t>(p.elementCount()) + 1, false);
    for (const int k : elements) {
        if (!p.elements.contains(k)) {
            ui.error(kNoSuchElement, kSubdivideCaption);
            return false;
        }
        const Element& e = p.elements[k];
        if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
            ui.error("Błędne dane elementu " + std::to_string(k) + ".", kSubdivideCaption);
            return false;
        }
        split[static_cast<std::size_t>(k)] = true;
    }
    int chosen = 0;
    for (const bool s : split) {
        chosen += s ? 1 : 0;
    }
    if (chosen == 0) {
        return false;
    }
    const int added = chosen * (parts - 1);
    if (!p.nodes.fits(added)) {
        ui.error(capacityMessage(kNodesGenitive, kMaxNodes), kSubdivideCaption);
        return false;
    }
    if (!p.elements.fits(added)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), kSubdivideCaption);
        return false;
    }
    const PieceConditions conditions = pieceConditions(p, split, parts);
    if (!p.conditions.fits(static_cast<int>(conditions.added.size()))) {
        ui.error(capacityMessage(kConditionsGenitive, kMaxConditions) + "\nWarunki zmienne wzdłuż elementów wymagają " +
                     std::to_string(conditions.added.size()) + " nowych warunków brzegowych; wolnych miejsc w tablicy: " +
                     std::to_string(kMaxConditions - p.conditionCount()) + ".",
                 kSubdivideCaption);
        return false;
    }
    for (const BoundaryCondition& c : conditions.added) {
        p.conditions.append(c);
    }

    // Built aside and put back whole: both tables have room for it.
    std::vector<Element> rebuilt;
    rebuilt.reserve(static_cast<std::size_t>(p.elementCount() + added));
    for (const int k : p.elements.numbers()) {
        const Element e = p.elements[k];
        if (!split[static_cast<std::size_t>(k)]) {
            rebuilt.push_back(e);
            continue;
        }
        const Node from = p.nodes[e.startNode];
        const Node to = p.nodes[e.endNode];
        const std::vector<int>& pieceCondition = conditions.of[static_cast<std::size_t>(k)];
        int previous = e.startNode;
        for (int i = 1; i < parts; ++i) {
            const double t = static_cast<double>(i) / parts;
            const Node between{static_cast<float>(from.x + (static_cast<double>(to.x) - from.x) * t),
                               static_cast<float>(from.y + (static_cast<double>(to.y) - from.y) * t)};
            const int node = p.nodes.append(between);
            rebuilt.push_back({previous, node, pieceCondition[static_cast<std::size_t>(i - 1)], e.boundary});
            previous = node;
        }
        rebuilt.push_back({previous, e.endNode, pieceCondition.back(), e.boundary});
    }
    p.elements.resize(0);
    for (const Element& e : rebuilt) {
        p.elements.append(e);
    }
    return true;
}

bool subdivideElements(Project& p, Interaction& ui)
{
    const std::optional<double> element = ui.promptNumber(kSubdivideCaption, kSubdivideElementPrompt, 0.0);
    if (!element) {
        return false;
    }
    const std::optional<double> parts = ui.promptNumber(kSubdivideCaption, kSubdividePartsPrompt, kMinParts);
    if (!parts) {
        return false;
    }
    const std::optional<int> k = wholeNumber(*element);
    if (!k || (*k != 0 && !p.elements.contains(*k))) {
        ui.error(kNoSuchElement, kSubdivideCaption);
        return false;
    }
    const std::optional<int> n = wholeNumber(*parts);
    if (!n) {
        ui.error(kBadPartCount, kSubdivideCaption);
        return false;
    }
    std::vector<int> chosen;
    if (*k != 0) {
        chosen.push_back(*k);
    } else {
        for (const int e : p.elements.numbers()) {
            if (p.elements[e].boundary == p.currentBoundary) {
                chosen.push_back(e);
            }
        }
        if (chosen.empty()) {
            ui.error("Brzeg " + std::to_string(p.currentBoundary) + " nie ma elementów", kSubdivideCaption);
            return false;
        }
    }
    return splitElements(p, ui, chosen, *n);
}

} // namespace zorind
