#include "core/cad/Drawing.h"

namespace zorind::cad {

namespace {

void place(const Drawing& drawing, const Block& block, const Affine& map, int depth, Block& out,
           std::map<std::string, int>& skipped)
{
    for (const Piece& piece : block.pieces) {
        out.pieces.push_back(transformed(piece, map));
    }
    for (const Point& point : block.points) {
        out.points.push_back(map.apply(point));
    }
    for (const Insert& insert : block.inserts) {
        const auto found = drawing.blocks.find(insert.block);
        if (found == drawing.blocks.end() || depth >= kMaxBlockNesting || out.pieces.size() > kMaxPlacedPieces) {
            ++skipped["INSERT"];
            continue;
        }
        const Block& placed = found->second;
        const Affine inner = compose(insert.placement, translation(-placed.base.x, -placed.base.y));
        place(drawing, placed, compose(map, inner), depth + 1, out, skipped);
    }
}

} // namespace

Block flatten(const Drawing& drawing, std::map<std::string, int>& skipped)
{
    Block out;
    place(drawing, drawing.model, Affine{}, 0, out, skipped);
    return out;
}

} // namespace zorind::cad
