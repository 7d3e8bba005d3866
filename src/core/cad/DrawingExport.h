#pragma once

#include <string>
#include <vector>

#include "core/cad/Curves.h"
#include "core/model/Model.h"

namespace zorind::cad {

// Layer names a CAD program shows: plain letters, as every program reads
// them.
inline constexpr const char* kBoundaryLayerPrefix = "BRZEG_";
inline constexpr const char* kPointLayer = "PUNKTY_WEWNETRZNE";
inline constexpr const char* kIsolineLayer = "IZOLINIE";

struct ExportPolyline {
    std::string layer;
    std::vector<Point> vertices;
    bool closed = true;
};

// The model as a drawing: what the DXF writer writes.
struct ExportDrawing {
    std::vector<std::string> layers; // every layer used, in order
    std::vector<ExportPolyline> polylines;
    std::vector<Point> points; // on kPointLayer
    std::vector<Line> isolines; // on kIsolineLayer
};

// The boundaries as polylines, one layer each ("BRZEG_1", ...): each chain
// of a boundary's elements, followed from element to element in their
// direction, is one polyline through its nodes, closed when the chain
// closes; the internal points as points; `isolines` as lines of a layer of
// their own. Elements that name no node are left out.
ExportDrawing drawingOfModel(const Model& model, const std::vector<Line>& isolines);

// Cells across the longer side of the model for the isolines.
inline constexpr int kIsolineCells = 200;

// The isolines of the potential map at the values the colour scale writes
// beside its bar, in model units, over the nodes' bounding box; none
// without valid potential results.
std::vector<Line> potentialIsolines(const Model& model);

} // namespace zorind::cad
