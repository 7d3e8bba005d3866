#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "core/cad/Curves.h"

namespace zorind::cad {

// One copy of a block placed in the drawing: the block's own coordinates,
// taken from its base point, go through `placement`.
struct Insert {
    std::string block;
    Affine placement;
};

// What a drawing or one of its blocks holds that the model can use: the
// pieces of boundaries, single points, and the blocks placed in it.
struct Block {
    Point base;
    std::vector<Piece> pieces;
    std::vector<Point> points;
    std::vector<Insert> inserts;
};

// A CAD drawing as its reader found it: the model space, the blocks by
// name, and the kinds of entity it held that make no boundary, each with
// its count ("TEXT" 3), for the note the import writes.
struct Drawing {
    Block model;
    std::map<std::string, Block> blocks;
    std::map<std::string, int> skipped;
};

// Blocks placed inside blocks deeper than this are left out (a block that
// places itself would never end).
inline constexpr int kMaxBlockNesting = 16;
// Nor are more pieces than this gathered from placements: a block placed a
// hundred times in a block placed a hundred times soon makes millions.
inline constexpr std::size_t kMaxPlacedPieces = 100000;

// The model space with every placed block's pieces and points put in
// place, as one block without placements. A placement of a block the
// drawing does not define, nested too deep or beyond kMaxPlacedPieces is
// counted in `skipped` under "INSERT".
Block flatten(const Drawing& drawing, std::map<std::string, int>& skipped);

} // namespace zorind::cad
