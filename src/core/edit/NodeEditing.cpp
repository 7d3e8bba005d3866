#include "core/edit/NodeEditing.h"

#include <string>

#include "core/edit/Conditions.h"
#include "core/edit/NodeOps.h"
#include "core/edit/Picking.h"
#include "core/model/NumberFormat.h"
#include "core/ui/Messages.h"

namespace zorind {

namespace {
constexpr const char* kDeleteNodeCaption = "Usuwanie węzła";
} // namespace

std::optional<int> promptForNumber(Project& p, PromptKind kind, const DialogCall& prompt)
{
    p.selectedNumber = static_cast<int32_t>(kind);
    if (!prompt()) {
        return std::nullopt;
    }
    return p.selectedNumber;
}

std::string nodeItemText(const Project& p, int n)
{
    const Node& node = p.nodes[n];
    return "nr " + std::to_string(n) + ", x" + shownFixed(node.x, 3) + ", y" + shownFixed(node.y, 3);
}

std::string conditionItemText(const Project& p, int c)
{
    const BoundaryCondition& bc = p.conditions[c];
    // Kinds 1 to 3 keep their names in every analysis; the kinds only
    // elasticity has are named as its dialog names them.
    const char* elastic = p.analysisType == Elasticity && bc.kind > 3.0f ? elasticityKindName(elasticityKind(bc.kind))
                                                                         : nullptr;
    const char* kind = bc.kind == 1.0f   ? "temperatura"
                       : bc.kind == 2.0f ? "strumień"
                       : bc.kind == 3.0f ? "konwekcja"
                       : elastic         ? elastic
                                         : "nieznany";
    std::string text = "nr " + std::to_string(c) + ", " + kind;
    for (float value : {bc.atNode1, bc.atMiddle, bc.atNode2}) {
        text += ' ';
        text += shownFixed(value, 3);
    }
    return text;
}

std::string boundaryItemText(const Project& p, int b)
{
    return "nr " + std::to_string(b) + (p.boundaries[b].kind == OuterBoundary ? ", zewnętrzny" : ", wewnętrzny");
}

void addNode(Project& p, Interaction& ui, const DialogCall& nodeDialog)
{
    const int n = p.nodes.append(Node{0.0f, 0.0f});
    if (n == 0) {
        ui.plain(capacityMessage(kNodesGenitive, kMaxNodes));
        return;
    }
    p.selectedNumber = n;
    if (!nodeDialog()) {
        p.nodes.erase(n);
    }
}

void addElement(Project& p, Interaction& ui, const DialogCall& elementDialog)
{
    if (p.nodeCount() < 2) {
        return;
    }
    const int e = p.elements.append(Element{1, 1, 1, 1});
    if (e == 0) {
        ui.plain(capacityMessage(kElementsGenitive, kMaxElements));
        return;
    }
    p.selectedNumber = e;
    if (!elementDialog()) {
        p.elements.erase(e);
    }
}

void editNode(Project& p, const DialogCall& nodeDialog)
{
    p.selectedNumber = 0;
    if (p.nodeCount() > 0) {
        nodeDialog();
    }
}

void editElement(Project& p, const DialogCall& elementDialog)
{
    p.selectedNumber = 0;
    if (p.elementCount() > 0) {
        elementDialog();
    }
}

void deleteNodeByNumber(Project& p, Interaction& ui, const DialogCall& prompt)
{
    const std::optional<int> k = promptForNumber(p, PromptKind::Node, prompt);
    if (!k || !p.nodes.contains(*k)) {
        return;
    }
    if (nodeIsUsed(p, *k)) {
        ui.error("Nie mogę usunąć węzła, który występuje w elemencie", "Usuanie węzła");
        return;
    }
    deleteNode(p, *k);
}

void deleteElementByNumber(Project& p, const DialogCall& prompt)
{
    if (const std::optional<int> k = promptForNumber(p, PromptKind::Element, prompt)) {
        deleteElement(p, *k);
    }
}

void deleteNodeAtPointer(Project& p, Interaction& ui, int px, int py)
{
    if (p.nodeCount() <= 0) {
        return;
    }
    const ModelPoint at = p.view.snapToGrid(px, py);
    int picked = 0;
    for (int n : p.nodes.numbers()) {
        if (p.nodes[n].x == at.x && p.nodes[n].y == at.y) {
            picked = n;
            break;
        }
    }
    if (picked == 0) {
        // A node off the grid (a circle's) is picked where it is drawn.
        picked = nearestNodeWithin(p, p.view, px, py);
    }
    if (picked == 0) {
        ui.message(kNothingPicked, kDeleteNodeCaption, MessageKind::Plain);
        return;
    }
    if (!ui.ask("Usunąć węzeł " + std::to_string(picked) + " ?", kDeleteNodeCaption)) {
        return;
    }
    // From the end, so that a removal never moves an element not yet seen.
    for (int k = p.elementCount(); k >= 1; --k) {
        const Element& e = p.elements[k];
        if (e.startNode == picked || e.endNode == picked) {
            deleteElement(p, k);
        }
    }
    deleteNode(p, picked);
}

bool storeNodeCoordinates(Project& p, Interaction& ui, std::optional<int> k, std::optional<double> x,
                          std::optional<double> y)
{
    const std::optional<float> fx = typedFloat(x);
    const std::optional<float> fy = typedFloat(y);
    if (!k || !p.nodes.contains(*k) || !fx || !fy) {
        ui.error(kBadDataMessage, kBadDataCaption);
        return false;
    }
    Node& node = p.nodes[*k];
    node = Node{*fx, *fy};
    return true;
}

bool storeElementProperties(Project& p, Interaction& ui, std::optional<int> k, const Element& values)
{
    if (!k || !p.elements.contains(*k)) {
        ui.error("Błędne dane", kElementDialogTitle);
        return false;
    }
    p.elements[*k] = values;
    return true;
}

} // namespace zorind
