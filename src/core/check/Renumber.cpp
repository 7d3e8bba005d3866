#include "core/check/Renumber.h"

#include "core/check/ElementOrder.h"

namespace zorind {

void renumberElements(Project& p, Interaction& ui)
{
    const int count = p.elementCount();
    if (count <= 0) {
        return;
    }

    if (!groupElementsByBoundary(p)) {
        ui.plain("Nie można posortować elementów");
    }

    // Only a walk that holds every element exactly once may replace the
    // table; anything else would duplicate some elements and drop others.
    const ChainWalk walk = walkChains(p);
    if (walk.coversTable(count)) {
        for (int k = 1; k <= count; ++k) {
            p.elements[k] = p.elementScratch[k];
        }
    } else {
        ui.plain("Nie można posortować elementów (2)");
    }
}

} // namespace zorind
