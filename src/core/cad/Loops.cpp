#include "core/cad/Loops.h"

#include <algorithm>
#include <numeric>

namespace zorind::cad {

namespace {

class Clusters {
public:
    explicit Clusters(std::size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), 0); }
    std::size_t find(std::size_t i)
    {
        while (parent_[i] != i) {
            parent_[i] = parent_[parent_[i]];
            i = parent_[i];
        }
        return i;
    }
    void join(std::size_t i, std::size_t j) { parent_[find(i)] = find(j); }

private:
    std::vector<std::size_t> parent_;
};

// The ends of every piece, 2·i its start and 2·i + 1 its end, grouped into
// the points they meet at.
struct Ends {
    std::vector<Point> at;
    std::vector<std::size_t> cluster;
    // How many ends of real pieces meet at each cluster, and the first two.
    std::vector<int> degree;
    std::vector<std::size_t> first;
    std::vector<std::size_t> second;
    std::vector<bool> real; // per piece: longer than the tolerance

    std::size_t otherEndAt(std::size_t end) const
    {
        const std::size_t c = cluster[end];
        return first[c] == end ? second[c] : first[c];
    }
};

Ends groupEnds(const std::vector<Piece>& pieces, double tolerance)
{
    Ends ends;
    const std::size_t count = pieces.size() * 2;
    for (const Piece& piece : pieces) {
        ends.at.push_back(startOf(piece));
        ends.at.push_back(endOf(piece));
        ends.real.push_back(lengthOf(piece) > tolerance);
    }
    Clusters clusters(count);
    std::vector<std::size_t> byX(count);
    std::iota(byX.begin(), byX.end(), 0);
    std::sort(byX.begin(), byX.end(), [&](std::size_t i, std::size_t j) { return ends.at[i].x < ends.at[j].x; });
    for (std::size_t a = 0; a < count; ++a) {
        for (std::size_t b = a + 1; b < count && ends.at[byX[b]].x - ends.at[byX[a]].x <= tolerance; ++b) {
            if (distance(ends.at[byX[a]], ends.at[byX[b]]) <= tolerance) {
                clusters.join(byX[a], byX[b]);
            }
        }
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!ends.real[i]) {
            clusters.join(2 * i, 2 * i + 1);
        }
    }
    ends.cluster.resize(count);
    ends.degree.assign(count, 0);
    ends.first.assign(count, 0);
    ends.second.assign(count, 0);
    for (std::size_t e = 0; e < count; ++e) {
        const std::size_t c = clusters.find(e);
        ends.cluster[e] = c;
        if (!ends.real[e / 2]) {
            continue;
        }
        int& degree = ends.degree[c];
        (degree == 0 ? ends.first[c] : ends.second[c]) = e;
        ++degree;
    }
    return ends;
}

} // namespace

Joining joinPieces(const std::vector<Piece>& pieces, double tolerance)
{
    Joining out;
    const Ends ends = groupEnds(pieces, tolerance);
    std::vector<bool> used(pieces.size(), false);
    std::vector<bool> reported(ends.cluster.size(), false);
    auto report = [&](std::size_t end) {
        const std::size_t c = ends.cluster[end];
        if (!reported[c] && ends.degree[c] != 2) {
            reported[c] = true;
            (ends.degree[c] == 1 ? out.openEnds : out.branchPoints).push_back(ends.at[end]);
        }
    };
    // Walks from `end` (the end a step leaves by) along the chain; marks
    // what it passes and returns the end it stopped at: one of the first
    // piece's own ends when the chain closes.
    auto walk = [&](std::size_t end, std::vector<LoopStep>* steps) {
        while (ends.degree[ends.cluster[end]] == 2) {
            const std::size_t next = ends.otherEndAt(end);
            const std::size_t piece = next / 2;
            if (used[piece]) {
                return next;
            }
            used[piece] = true;
            if (steps != nullptr) {
                steps->push_back({piece, next % 2 == 1});
            }
            end = next ^ 1U;
        }
        return end;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (used[i] || !ends.real[i]) {
            continue;
        }
        used[i] = true;
        Loop loop;
        loop.steps.push_back({i, false});
        const std::size_t stop = walk(2 * i + 1, &loop.steps);
        if (stop == 2 * i) {
            out.loops.push_back(std::move(loop));
            continue;
        }
        // An open or branching chain: its other part, before piece i.
        const std::size_t back = walk(2 * i, nullptr);
        report(back);
        report(stop);
    }
    return out;
}

} // namespace zorind::cad
