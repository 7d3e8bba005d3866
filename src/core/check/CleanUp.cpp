#include "core/check/CleanUp.h"

#include <string>

#include "core/edit/NodeOps.h"

namespace zorind {

void removeDoubleNodes(Project& p, Interaction& ui)
{
    if (!ui.ask("Usunąć podwójne węzły ?", kDoubleNodesCaption)) {
        return;
    }

    int removed = 0;
    // Both bounds are read afresh: nodeCount shrinks as nodes go, and the
    // node that moves into place j is compared with node i next.
    for (int i = 1; i <= p.nodeCount(); ++i) {
        int j = i + 1;
        while (j <= p.nodeCount()) {
            if (!nodesCoincide(p.nodes[j], p.nodes[i])) {
                ++j;
                continue;
            }
            for (int k = 1; k <= p.elementCount(); ++k) {
                Element& e = p.elements[k];
                if (e.startNode == j) {
                    e.startNode = i;
                }
                if (e.endNode == j) {
                    e.endNode = i;
                }
            }
            deleteNode(p, j);
            ++removed;
        }
    }

    if (removed > 0) {
        ui.message("Usunięto " + std::to_string(removed) + " węzłów.", kDoubleNodesCaption, MessageKind::Plain);
    }
}

void removeFreeNodes(Project& p, Interaction&)
{
    int n = 1;
    while (n <= p.nodeCount()) {
        if (nodeIsUsed(p, n)) {
            ++n;
        } else {
            deleteNode(p, n);
        }
    }
}

void removeZeroLengthElements(Project& p, Interaction&)
{
    int k = 1;
    while (k <= p.elementCount()) {
        if (elementHasZeroLength(p, k)) {
            deleteElement(p, k);
            // The element that moved into place k has not been looked at;
            // stepping back one keeps the scan from skipping it.
            k = k <= 2 ? 1 : k - 1;
        } else {
            ++k;
        }
    }
}

} // namespace zorind
