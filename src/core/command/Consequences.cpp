#include "core/command/Consequences.h"

#include "core/solver/Compute.h"

#include <algorithm>

namespace zorind {

namespace {

// Tables compare by their entries in use: a reset lowers the count and
// leaves stale entries behind it, which are not model data.
template <class T, int N> bool sameEntries(const Table<T, N>& a, const Table<T, N>& b)
{
    return a.count() == b.count() && std::equal(a.begin(), a.end(), b.begin());
}

template <class T, int N> bool sameEntries(const NumberedArray<T, N>& a, const NumberedArray<T, N>& b)
{
    for (int k = 0; k <= N; ++k) {
        if (!(a[k] == b[k])) {
            return false;
        }
    }
    return true;
}

// What an element's entry in a table says, or nothing for a number that
// names no entry (the check reports those).
template <class T, int N> const T* entryOf(const Table<T, N>& table, int n)
{
    return table.contains(n) ? &table[n] : nullptr;
}

template <class T> bool sameEntry(const T* a, const T* b)
{
    return a == nullptr ? b == nullptr : b != nullptr && *a == *b;
}

// Geometry is what the elements are: their ends, the positions of those
// ends, and the kind of boundary each lies on. An entry no element uses
// (a node about to be joined, a boundary not yet drawn) changes nothing the
// results were computed from, but a node renumbering does, as the results
// are listed by node and element numbers.
bool sameGeometry(const Model& a, const Model& b)
{
    if (!sameEntries(a.nodes, b.nodes) || a.elementCount() != b.elementCount()) {
        return false;
    }
    for (int k : a.elements.numbers()) {
        const Element& x = a.elements[k];
        const Element& y = b.elements[k];
        if (x.startNode != y.startNode || x.endNode != y.endNode || x.boundary != y.boundary ||
            !sameEntry(entryOf(a.boundaries, x.boundary), entryOf(b.boundaries, y.boundary))) {
            return false;
        }
    }
    return true;
}

// The condition each element carries, by number and by value: a condition
// no element uses is not data of the results.
bool sameConditions(const Model& a, const Model& b)
{
    // Element counts differ only with a geometry change, found elsewhere.
    const int common = std::min(a.elementCount(), b.elementCount());
    for (int k = 1; k <= common; ++k) {
        const int x = a.elements[k].condition;
        const int y = b.elements[k].condition;
        if (x != y || !sameEntry(entryOf(a.conditions, x), entryOf(b.conditions, y))) {
            return false;
        }
    }
    return true;
}

bool samePointPositions(const Model& a, const Model& b)
{
    if (a.internalPointCount() != b.internalPointCount()) {
        return false;
    }
    for (int k : a.internalPoints.numbers()) {
        if (a.internalPoints[k].x != b.internalPoints[k].x || a.internalPoints[k].y != b.internalPoints[k].y) {
            return false;
        }
    }
    return true;
}

bool sameResults(const Model& a, const Model& b)
{
    if (a.resultsValid != b.resultsValid || !sameEntries(a.elementResults, b.elementResults) ||
        !sameEntries(a.fluxResults, b.fluxResults) || !sameEntries(a.internalPointResults, b.internalPointResults)) {
        return false;
    }
    const int common = std::min(a.internalPointCount(), b.internalPointCount());
    for (int k = 1; k <= common; ++k) {
        if (a.internalPoints[k].internalResult != b.internalPoints[k].internalResult) {
            return false;
        }
    }
    return true;
}

ShownState shownState(const Project& p)
{
    const ViewTransform& v = p.view;
    return {v.areaXMin,          v.areaYMin,     v.areaXMax,      v.areaYMax,      v.gridStepX,
            v.gridStepY,         v.gridOn,       v.equalScale,    v.marginLeft,    v.marginRight,
            v.marginTop,         v.marginBottom, p.display,       p.palette,       p.showDisplacements,
            p.showReducedStress, p.titleText,    p.edit.editMode, p.edit.chainOpen};
}

} // namespace

ProjectSnapshot takeSnapshot(const Project& project)
{
    return {static_cast<const Model&>(project), shownState(project), chainStateOf(project.edit)};
}

Changes changesBetween(const ProjectSnapshot& before, const Project& after)
{
    const Model& a = before.model;
    const Model& b = after;
    Changes c;
    c.geometry = !sameGeometry(a, b);
    c.conditions = !sameConditions(a, b);
    c.properties = a.analysisType != b.analysisType || a.conductivity != b.conductivity ||
                   a.ambientTemperature != b.ambientTemperature;
    c.entries = !sameEntries(a.nodes, b.nodes) || !sameEntries(a.elements, b.elements) ||
                !sameEntries(a.conditions, b.conditions) || !sameEntries(a.boundaries, b.boundaries);
    c.internalPoints = !samePointPositions(a, b);
    c.results = !sameResults(a, b);
    c.current = a.currentBoundary != b.currentBoundary || a.currentCondition != b.currentCondition;
    c.shown = before.shown != shownState(after);
    return c;
}

Consequences settleCommand(const ProjectSnapshot& before, Project& after, Drawn drawn)
{
    Consequences out;
    out.changes = changesBetween(before, after);
    // Results a command computed, read or scaled belong to the model it
    // left; results it left alone while their data changed do not.
    if (out.changes.resultInputs() && !out.changes.results && after.resultsValid != 0) {
        invalidateResults(after);
        out.changes.results = true;
        out.changes.shown = out.changes.shown || before.shown != shownState(after);
    }
    // Internal points added or moved while the boundary solution holds get
    // their values from it at once; a value that cannot be had is no value.
    if (out.changes.internalPoints && !out.changes.results && after.resultsValid == 1) {
        if (!evaluateInternalPointValues(after)) {
            invalidateResults(after);
        }
        out.changes.results = true;
        out.changes.shown = out.changes.shown || before.shown != shownState(after);
    }
    // Results are drawn only while a result view is on, and invalidating
    // them turns it off: a change of what is shown.
    out.repaint = drawn == Drawn::GeometryByFeedback ? out.changes.shown : out.changes.any();
    out.controls = out.changes.any();
    return out;
}

} // namespace zorind
