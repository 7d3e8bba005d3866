#pragma once

#include <string>

#include "core/cad/DrawingCommands.h"

namespace zorind::dxf {

// A drawing file is read whole; anything larger is no part drawing.
inline constexpr std::size_t kMaxDxfFileSize = 64u * 1024u * 1024u;

// Reads a text DXF file with dxflib: lines, arcs, circles, polylines (their
// bulges as arcs), ellipses, splines, points and the blocks placed in the
// drawing, in model space; the other entities counted by kind. A file that
// is not DXF, is damaged in a way the reader cannot take, or is too large,
// is refused with the reason.
cad::DrawingRead readDxf(const std::string& path);

// Writes the drawing as a DXF file (AutoCAD 2000) with dxflib: one layer per
// entry of drawing.layers, polylines as LWPOLYLINE, points as POINT,
// isolines as LINE. The file is replaced only once it is whole.
FileResult writeDxf(const cad::ExportDrawing& drawing, const std::string& path);

} // namespace zorind::dxf
