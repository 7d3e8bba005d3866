// The isolines of a field map: marching squares over the cell centres, and
// the pieces joined into polylines.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "core/solver/FieldMap.h"

namespace zorind::solver {

namespace {

// One piece of one level's isoline, with the sides of the lattice its ends
// lie on: a side's key is 2·(row·columns + column), + 1 for the side going
// down from that centre, + 0 for the side going right.
struct Piece {
    std::array<std::uint64_t, 2> side{};
    std::array<IsolinePoint, 2> end{};
};

// The pieces of the level in one square: where the level crosses each side
// whose ends lie on its two sides (a corner at the level counts as above
// it), paired.
void addPieces(const double v[4], const std::uint64_t sides[4], const double px[4], const double py[4], double level,
               bool nearEdge, std::vector<Piece>& out)
{
    IsolinePoint cross[4];
    std::uint64_t crossSide[4] = {};
    int n = 0;
    for (int s = 0; s < 4; ++s) {
        const int t = (s + 1) % 4;
        if ((v[s] >= level) != (v[t] >= level)) {
            const double f = (level - v[s]) / (v[t] - v[s]);
            cross[n] = {px[s] + f * (px[t] - px[s]), py[s] + f * (py[t] - py[s])};
            crossSide[n] = sides[s];
            ++n;
        }
    }
    const auto add = [&](int a, int b) {
        cross[a].nearEdge = cross[b].nearEdge = nearEdge;
        out.push_back({{crossSide[a], crossSide[b]}, {cross[a], cross[b]}});
    };
    if (n == 2) {
        add(0, 1);
    } else if (n == 4) {
        // A saddle: the pairing by the mean of the corners.
        const double mean = (v[0] + v[1] + v[2] + v[3]) / 4.0;
        if ((mean >= level) == (v[0] >= level)) {
            add(0, 1);
            add(2, 3);
        } else {
            add(0, 3);
            add(1, 2);
        }
    }
}

// The pieces of every level of the map, per level, in one pass over the
// squares.
std::vector<std::vector<Piece>> pieces(const FieldMap& map, const std::vector<double>& values)
{
    std::vector<std::vector<Piece>> out(map.levels.size());
    const double half = map.cell / 2.0;
    const auto index = [&](int column, int row) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) + static_cast<std::size_t>(column);
    };
    const auto at = [&](int column, int row) { return values[index(column, row)]; };
    // A square with a corner the map itself has no value for reaches out
    // of the region.
    const auto outside = [&](int column, int row) {
        return index(column, row) >= map.values.size() || !std::isfinite(map.values[index(column, row)]);
    };
    const auto key = [&](int column, int row, int down) {
        return 2 * (static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(map.columns) +
                    static_cast<std::uint64_t>(column)) +
               static_cast<std::uint64_t>(down);
    };
    for (int row = 0; row + 1 < map.rows; ++row) {
        for (int column = 0; column + 1 < map.columns; ++column) {
            // Corners clockwise on the screen from the top left, the sides
            // between them, and their pixel positions.
            const double v[4] = {at(column, row), at(column + 1, row), at(column + 1, row + 1), at(column, row + 1)};
            if (!(std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]) && std::isfinite(v[3]))) {
                continue;
            }
            const bool nearEdge = outside(column, row) || outside(column + 1, row) || outside(column + 1, row + 1) ||
                                  outside(column, row + 1);
            const double low = std::min({v[0], v[1], v[2], v[3]});
            const double high = std::max({v[0], v[1], v[2], v[3]});
            const std::uint64_t sides[4] = {key(column, row, 0), key(column + 1, row, 1), key(column, row + 1, 0),
                                            key(column, row, 1)};
            const double x0 = column * map.cell + half;
            const double y0 = row * map.cell + half;
            const double px[4] = {x0, x0 + map.cell, x0 + map.cell, x0};
            const double py[4] = {y0, y0, y0 + map.cell, y0 + map.cell};
            for (std::size_t k = 0; k < map.levels.size(); ++k) {
                const double level = map.levels[k];
                if (level < low || level > high) {
                    continue;
                }
                addPieces(v, sides, px, py, level, nearEdge, out[k]);
            }
        }
    }
    return out;
}

// The pieces of one level joined where they share a side: first the
// chains that end at the region's edge, then the closed loops.
void join(const std::vector<Piece>& parts, double level, std::vector<Isoline>& out)
{
    // Per side the (piece, end) pairs that lie on it: at most two.
    std::unordered_map<std::uint64_t, std::array<int, 2>> onSide;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (int e = 0; e < 2; ++e) {
            const std::uint64_t side = parts[i].side[static_cast<std::size_t>(e)];
            auto entry = onSide.try_emplace(side, std::array<int, 2>{-1, -1}).first;
            entry->second[entry->second[0] < 0 ? 0 : 1] = static_cast<int>(2 * i) + e;
        }
    }
    std::vector<unsigned char> used(parts.size(), 0);
    const auto walk = [&](std::size_t first, int from) {
        Isoline line;
        line.level = level;
        line.points.push_back(parts[first].end[static_cast<std::size_t>(from)]);
        std::size_t piece = first;
        int entered = from;
        for (;;) {
            used[piece] = 1;
            const int leaves = 1 - entered;
            // The point where two pieces meet is near the edge when either is.
            IsolinePoint& joint = line.points.back();
            joint.nearEdge = joint.nearEdge || parts[piece].end[static_cast<std::size_t>(entered)].nearEdge;
            line.points.push_back(parts[piece].end[static_cast<std::size_t>(leaves)]);
            const std::array<int, 2>& there = onSide[parts[piece].side[static_cast<std::size_t>(leaves)]];
            const int self = static_cast<int>(2 * piece) + leaves;
            const int next = there[0] == self ? there[1] : there[0];
            if (next < 0 || used[static_cast<std::size_t>(next / 2)] != 0) {
                if (next >= 0) {
                    // Closed: the same point exactly.
                    line.points.front().nearEdge = line.points.front().nearEdge || line.points.back().nearEdge;
                    line.points.back() = line.points.front();
                }
                break;
            }
            piece = static_cast<std::size_t>(next / 2);
            entered = next % 2;
        }
        out.push_back(std::move(line));
    };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (int e = 0; e < 2 && used[i] == 0; ++e) {
            if (onSide[parts[i].side[static_cast<std::size_t>(e)]][1] < 0) {
                walk(i, e);
            }
        }
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (used[i] == 0) {
            walk(i, 0);
        }
    }
}

// Where the piece from a (inside) to b (outside) leaves the region, by
// halving.
IsolinePoint edgeCrossing(IsolinePoint a, IsolinePoint b, const PixelPredicate& inside)
{
    for (int i = 0; i < 16; ++i) {
        const IsolinePoint mid{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0, true};
        if (inside(mid.x, mid.y)) {
            a = mid;
        } else {
            b = mid;
        }
    }
    return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0, true};
}

// The parts of the line in the region, each cut where it crosses the edge.
void clipToRegion(const Isoline& line, const PixelPredicate& inside, std::vector<Isoline>& out)
{
    Isoline part;
    part.level = line.level;
    bool wasIn = false;
    for (std::size_t i = 0; i < line.points.size(); ++i) {
        const IsolinePoint& p = line.points[i];
        const bool in = !p.nearEdge || inside(p.x, p.y);
        if (in && !wasIn && i > 0) {
            part.points.push_back(edgeCrossing(p, line.points[i - 1], inside));
        }
        if (!in && wasIn) {
            part.points.push_back(edgeCrossing(line.points[i - 1], p, inside));
            out.push_back(std::move(part));
            part.points.clear();
        }
        if (in) {
            part.points.push_back(p);
        }
        wasIn = in;
    }
    if (part.points.size() >= 2) {
        out.push_back(std::move(part));
    }
}

} // namespace

std::vector<IsolineSegment> isolineSegments(const FieldMap& map, const std::vector<double>& values)
{
    std::vector<IsolineSegment> out;
    for (const std::vector<Piece>& level : pieces(map, values)) {
        for (const Piece& piece : level) {
            out.push_back({piece.end[0].x, piece.end[0].y, piece.end[1].x, piece.end[1].y});
        }
    }
    return out;
}

std::vector<Isoline> isolines(const FieldMap& map, const std::vector<double>& values, const PixelPredicate& inside)
{
    std::vector<Isoline> joined;
    const std::vector<std::vector<Piece>> all = pieces(map, values);
    for (std::size_t k = 0; k < all.size(); ++k) {
        join(all[k], map.levels[k], joined);
    }
    if (!inside) {
        return joined;
    }
    std::vector<Isoline> out;
    for (const Isoline& line : joined) {
        clipToRegion(line, inside, out);
    }
    return out;
}

} // namespace zorind::solver
