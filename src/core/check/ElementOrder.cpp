#include "core/check/ElementOrder.h"

#include <algorithm>

namespace zorind {

bool groupElementsByBoundary(Project& p)
{
    const int count = p.elementCount();
    int position = 1;
    for (int b = 1; b <= p.boundaryCount(); ++b) {
        for (int k = 1; k <= count; ++k) {
            if (p.elements[k].boundary == b) {
                p.elementScratch[position] = p.elements[k];
                ++position;
            }
        }
    }
    if (position - 1 != count) {
        return false;
    }
    for (int k = 1; k <= count; ++k) {
        p.elements[k] = p.elementScratch[k];
    }
    return true;
}

bool ChainWalk::coversTable(int elementCount) const
{
    if (openBoundary != 0 || !lastChainClosed || appended != elementCount ||
        static_cast<int>(order.size()) != elementCount) {
        return false;
    }
    // A chain that runs through a node twice can collect one element twice
    // and miss another while the count still matches; copying such an order
    // over the table would duplicate one element and lose the other.
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < elementCount; ++i) {
        if (sorted[static_cast<std::size_t>(i)] != i + 1) {
            return false;
        }
    }
    return true;
}

ChainWalk walkChains(Project& p)
{
    const int count = p.elementCount();
    ChainWalk walk;
    walk.order.reserve(static_cast<std::size_t>(std::max(count, 0)));

    // The walk may append more entries than the table has elements (a chain
    // revisiting a node); those are counted but not stored, so the scratch
    // never overflows.
    auto append = [&](int k) {
        ++walk.appended;
        if (walk.appended <= count) {
            p.elementScratch[walk.appended] = p.elements[k];
            walk.order.push_back(k);
        }
    };

    bool closed = false;
    for (int b = 1; b <= p.boundaryCount(); ++b) {
        int first = 0;
        for (int k = 1; k <= count; ++k) {
            if (p.elements[k].boundary == b) {
                first = k;
                break;
            }
        }
        if (first == 0) {
            continue;
        }

        const int chainStart = p.elements[first].startNode;
        int current = p.elements[first].endNode;
        append(first);
        closed = false;

        for (int pass = 0; pass < count && !closed; ++pass) {
            for (int k = 1; k <= count; ++k) {
                if (k == first || p.elements[k].startNode != current) {
                    continue;
                }
                append(k);
                current = p.elements[k].endNode;
                if (current == chainStart) {
                    closed = true;
                    break;
                }
            }
        }

        if (!closed) {
            walk.openBoundary = b;
            break;
        }
    }
    walk.lastChainClosed = closed;
    return walk;
}

} // namespace zorind
