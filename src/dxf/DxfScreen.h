#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zorind::dxf {

// What a look over a file's group-code lines found before it is handed to
// dxflib, whose reader loops for ever on an over-long line and writes out
// of bounds on a few malformed entities: whether it is DXF text at all,
// whether it is safe to read, and the entity kinds dxflib does not report.
struct Screening {
    enum Verdict { Readable, NotDxf, Damaged } verdict = Readable;
    std::string detail;
    // Model-space entity kinds dxflib has no call for ("REGION": 2).
    std::map<std::string, int> unreported;
};

// dxflib's reader takes lines up to this length.
inline constexpr std::size_t kMaxLineLength = 1000;
// Counts of vertices, knots or control points above this are refused.
inline constexpr long kMaxEntityCount = 1000000;

Screening screenDxfText(std::string_view text);

} // namespace zorind::dxf
