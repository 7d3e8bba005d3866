#include "edit/NodeOps.h"

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
    return true;
}

bool deleteElement(Project& p, int k)
{
    return p.elements.erase(k);
}

void discardResults(Project& p)
{
    p.resultsValid = 0;
    p.display.showPotential = 0;
    p.display.showFlux = 0;
}

} // namespace zorind
