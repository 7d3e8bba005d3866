#include "edit/NodeOps.h"

namespace zorind {

bool nodeIsUsed(const Project& p, int n)
{
    for (int k = 1; k <= p.elementCount; ++k) {
        const Element& e = p.elements[k];
        if (e.startNode == n || e.endNode == n) {
            return true;
        }
    }
    return false;
}

bool elementHasZeroLength(const Project& p, int k)
{
    if (k < 1 || k > p.elementCount) {
        return false;
    }
    const Element& e = p.elements[k];
    if (!nodeExists(p, e.startNode) || !nodeExists(p, e.endNode)) {
        return false;
    }
    return nodesCoincide(p.nodes[e.startNode], p.nodes[e.endNode]);
}

bool deleteNode(Project& p, int n)
{
    if (!nodeExists(p, n)) {
        return false;
    }
    p.nodes.removeAt(n, p.nodeCount);
    --p.nodeCount;
    for (int k = 1; k <= p.elementCount; ++k) {
        Element& e = p.elements[k];
        if (e.startNode > n) {
            --e.startNode;
        }
        if (e.endNode > n) {
            --e.endNode;
        }
    }
    return true;
}

bool deleteElement(Project& p, int k)
{
    if (k < 1 || k > p.elementCount) {
        return false;
    }
    p.elements.removeAt(k, p.elementCount);
    --p.elementCount;
    return true;
}

} // namespace zorind
