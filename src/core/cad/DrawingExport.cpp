#include "core/cad/DrawingExport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/solver/FieldMap.h"
#include "core/solver/PotentialField.h"
#include "core/view/ColourScale.h"

namespace zorind::cad {

namespace {

Point pointOf(const Node& node)
{
    return {node.x, node.y};
}

// The element that goes on from `node` among the boundary's unused ones:
// the next in number when it does, so that the chain keeps the numbering.
std::optional<int> following(const Model& model, const std::vector<int>& elements, const std::vector<bool>& used,
                             std::size_t after, int node)
{
    for (std::size_t step = 1; step <= elements.size(); ++step) {
        const std::size_t i = (after + step) % elements.size();
        if (!used[i] && model.elements[elements[i]].startNode == node) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

void addBoundary(const Model& model, int boundary, const std::vector<int>& elements, ExportDrawing& out)
{
    const std::string layer = kBoundaryLayerPrefix + std::to_string(boundary);
    std::vector<bool> used(elements.size(), false);
    for (std::size_t first = 0; first < elements.size(); ++first) {
        if (used[first]) {
            continue;
        }
        ExportPolyline polyline{layer, {}, false};
        const int start = model.elements[elements[first]].startNode;
        std::size_t at = first;
        used[at] = true;
        polyline.vertices.push_back(pointOf(model.nodes[start]));
        for (;;) {
            const int end = model.elements[elements[at]].endNode;
            if (end == start) {
                polyline.closed = true;
                break;
            }
            polyline.vertices.push_back(pointOf(model.nodes[end]));
            const std::optional<int> next = following(model, elements, used, at, end);
            if (!next) {
                break;
            }
            at = static_cast<std::size_t>(*next);
            used[at] = true;
        }
        out.polylines.push_back(std::move(polyline));
    }
    if (std::find(out.layers.begin(), out.layers.end(), layer) == out.layers.end()) {
        out.layers.push_back(layer);
    }
}

} // namespace

ExportDrawing drawingOfModel(const Model& model, const std::vector<Line>& isolines)
{
    ExportDrawing out;
    // The elements of each boundary in number order; boundaries in number
    // order, those named by no table entry after the others.
    std::vector<std::pair<int, std::vector<int>>> boundaries;
    for (const int k : model.elements.numbers()) {
        const Element& e = model.elements[k];
        if (!model.nodes.contains(e.startNode) || !model.nodes.contains(e.endNode)) {
            continue;
        }
        auto found = std::find_if(boundaries.begin(), boundaries.end(),
                                  [&](const auto& entry) { return entry.first == e.boundary; });
        if (found == boundaries.end()) {
            boundaries.push_back({e.boundary, {}});
            found = boundaries.end() - 1;
        }
        found->second.push_back(k);
    }
    std::stable_sort(boundaries.begin(), boundaries.end(), [&](const auto& a, const auto& b) {
        return model.boundaries.contains(a.first) && (!model.boundaries.contains(b.first) || a.first < b.first);
    });
    for (const auto& [boundary, elements] : boundaries) {
        addBoundary(model, boundary, elements, out);
    }
    if (model.internalPointCount() > 0) {
        out.layers.push_back(kPointLayer);
        for (const InternalPoint& p : model.internalPoints) {
            out.points.push_back({p.x, p.y});
        }
    }
    if (!isolines.empty()) {
        out.layers.push_back(kIsolineLayer);
        out.isolines = isolines;
    }
    return out;
}

std::vector<Line> potentialIsolines(const Model& model)
{
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(model);
    if (!field) {
        return {};
    }
    const double width = field->xmax() - field->xmin();
    const double height = field->ymax() - field->ymin();
    const double cell = std::max(width, height) / kIsolineCells;
    if (!(cell > 0.0) || !std::isfinite(cell)) {
        return {};
    }
    const int columns = std::max(2, static_cast<int>(std::ceil(width / cell)) + 1);
    const int rows = std::max(2, static_cast<int>(std::ceil(height / cell)) + 1);
    solver::FieldMap map = solver::blankFieldMap(resultRanges(model).potential, columns, rows, 1);
    // Cell centres row by row from the top; the map's "pixels" are cells.
    const double left = field->xmin() - cell / 2.0;
    const double top = field->ymax() + cell / 2.0;
    std::vector<double> xs(map.values.size());
    std::vector<double> ys(map.values.size());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const auto k = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                           static_cast<std::size_t>(column);
            xs[k] = left + (column + 0.5) * cell;
            ys[k] = top - (row + 0.5) * cell;
        }
    }
    field->evaluate(xs.data(), ys.data(), map.values.data(), map.values.size());
    std::vector<Line> lines;
    for (const solver::IsolineSegment& s : solver::isolineSegments(map)) {
        lines.push_back({{left + s.x0 * cell, top - s.y0 * cell}, {left + s.x1 * cell, top - s.y1 * cell}});
    }
    return lines;
}

} // namespace zorind::cad
