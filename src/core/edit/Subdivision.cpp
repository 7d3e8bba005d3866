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
        int previous = e.startNode;
        for (int i = 1; i < parts; ++i) {
            const double t = static_cast<double>(i) / parts;
            const Node between{static_cast<float>(from.x + (static_cast<double>(to.x) - from.x) * t),
                               static_cast<float>(from.y + (static_cast<double>(to.y) - from.y) * t)};
            const int node = p.nodes.append(between);
            rebuilt.push_back({previous, node, e.condition, e.boundary});
            previous = node;
        }
        rebuilt.push_back({previous, e.endNode, e.condition, e.boundary});
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
