#include "core/edit/Boundaries.h"

#include <string>
#include <vector>

#include "core/edit/Conditions.h"
#include "core/model/NumberFormat.h"
#include "core/ui/Messages.h"

namespace zorind {

namespace {

// A boundary number as typed: anything that is not an integer counts as 0,
// which names no boundary.
int typedNumber(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return 0;
    }
    return parseInt(std::string_view(text).substr(first, last - first + 1)).value_or(0);
}

bool hasElements(const Project& p, int boundary)
{
    for (const Element& e : p.elements) {
        if (e.boundary == boundary) {
            return true;
        }
    }
    return false;
}

} // namespace

void addBoundary(Project& project, Interaction& ui, const std::function<bool()>& runDialog)
{
    const int n = project.boundaries.append(Boundary{});
    if (n == 0) {
        ui.error(capacityMessage(kBoundariesGenitive, kMaxBoundaries), kBoundaryCaption);
        return;
    }
    project.selectedNumber = n;
    if (runDialog()) {
        project.currentBoundary = n;
    } else {
        project.boundaries.erase(n);
    }
}

bool storeBoundaryKind(Project& project, Interaction& ui, std::optional<int> number, int kind)
{
    if (!number || !project.boundaries.contains(*number)) {
        ui.error(kBadDataMessage, kBoundaryCaption);
        return false;
    }
    project.boundaries[*number].kind = kind == InnerBoundary ? InnerBoundary : OuterBoundary;
    return true;
}

void deleteBoundary(Project& project, Interaction& ui)
{
    const std::optional<std::string> text = ui.promptText(kDeleteBoundaryCaption, kBoundaryNumberPrompt, "1");
    if (!text) {
        return;
    }
    const int b = typedNumber(*text);
    if (!project.boundaries.contains(b)) {
        ui.plain(kNoSuchBoundary);
        return;
    }
    if (hasElements(project, b)) {
        if (!ui.ask(kDeleteBoundaryQuestion, kDeleteBoundaryCaption)) {
            return;
        }
        std::vector<Element> kept;
        for (const Element& e : project.elements) {
            if (e.boundary != b) {
                kept.push_back(e);
            }
        }
        project.elements.resize(0);
        for (const Element& e : kept) {
            project.elements.append(e);
        }
    }
}

void moveBoundary(Project& project, Interaction& ui, char decimalSeparator)
{
    const std::optional<std::string> number = ui.promptText(kMoveBoundaryCaption, kBoundaryNumberPrompt, "1");
    if (!number) {
        return;
    }
    const std::optional<std::string> shiftX = ui.promptText(kMoveBoundaryCaption, kShiftXPrompt, "");
    if (!shiftX) {
        return;
    }
    const std::optional<std::string> shiftY = ui.promptText(kMoveBoundaryCaption, kShiftYPrompt, *shiftX);
    if (!shiftY) {
        return;
    }
    const int b = typedNumber(*number);
    const double dx = parseDecimalText(*shiftX, decimalSeparator).value_or(0.0);
    const double dy = parseDecimalText(*shiftY, decimalSeparator).value_or(0.0);
    if (!project.boundaries.contains(b)) {
        ui.plain(kNoSuchBoundary);
        return;
    }
    // Worked out on a copy first, so that a shift no float can hold leaves
    // every node where it was.
    auto moved = project.nodes;
    bool any = false;
    for (const Element& e : project.elements) {
        if (e.boundary != b || !moved.contains(e.startNode)) {
            continue;
        }
        Node& n = moved[e.startNode];
        const std::optional<float> x = typedFloat(static_cast<double>(n.x) + dx);
        const std::optional<float> y = typedFloat(static_cast<double>(n.y) + dy);
        if (!x || !y) {
            ui.error(kBadDataMessage, kMoveBoundaryCaption);
            return;
        }
        n.x = *x;
        n.y = *y;
        any = true;
    }
    if (any && (dx != 0.0 || dy != 0.0)) {
        project.nodes = moved;
    }
}

} // namespace zorind
