#include "core/edit/NodeOps.h"

namespace zorind {

bool nodeIsUsed(const Project& p, int n)
{
    for (const Element& e : p.elements) {
        if (e.startNode == n || e.endNode == n) {
            return true;
        }
    }
    return false;
}

bool elementHasZeroLength(const Project& p, int k)
{
    if (!p.elements.contains(k)) {
        return false;
    }
    const Element& e = p.elements[k];
    if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
        return false;
    }
    return nodesCoincide(p.nodes[e.startNode], p.nodes[e.endNode]);
}

bool deleteNode(Project& p, int n)
{
    if (!p.nodes.erase(n)) {
        return false;
    }
    for (Element& e : p.elements) {
        if (e.startNode > n) {
            --e.startNode;
        }
        if (e.endNode > n) {
            --e.endNode;
        }
    }
    // The polyline being drawn follows its nodes; without its last node it
    // cannot go on.
    EditState& s = p.edit;
    if (s.chainLastNode == n) {
        s.chainOpen = false;
        s.chainLastNode = 0;
    } else if (s.chainLastNode > n) {
        --s.chainLastNode;
    }
    if (s.chainFirstNode == n) {
        s.chainFirstNode = 0;
    } else if (s.chainFirstNode > n) {
        --s.chainFirstNode;
    }
    return true;
}

bool deleteElement(Project& p, int k)
{
    return p.elements.erase(k);
}

} // namespace zorind
