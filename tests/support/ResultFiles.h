#pragma once

#include <array>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace zorind::test {

// The values of one node as a result file carries them.
struct NodeResult {
    int number = 0; // as written in the file (the import does not use it)
    float dx = 0, dy = 0, fx = 0, fy = 0;
    float sigmaX = 0, tauXY = 0, sigmaY = 0, sigmaZ = 0, reduced = 0;
};

inline std::string g9(float v)
{
    std::array<char, 32> b{};
    const auto r = std::to_chars(b.data(), b.data() + b.size(), static_cast<double>(v), std::chars_format::general, 9);
    return std::string(b.data(), r.ptr);
}

inline constexpr std::string_view kHeader = "                       PRZEMIESZCZENIA  BRZEGOWE  I  SILY";

// One header line and its pair of blocks, laid out as the solver writes
// them: headings, block 1, three lines, block 2.
inline std::string resultPair(const std::vector<NodeResult>& nodes)
{
    std::string out = std::string(kHeader) + "\n";
    out += "  Nr        UX            UY            FX            FY\n";
    for (const NodeResult& n : nodes) {
        out += std::to_string(n.number) + ' ' + g9(n.dx) + ' ' + g9(n.dy) + ' ' + g9(n.fx) + ' ' + g9(n.fy) + '\n';
    }
    out += "\n                       NAPREZENIA W WEZLACH BRZEGOWYCH\n";
    out += "  Nr   UT   UN   SX   TXY   SY   SZ   SRED\n";
    for (const NodeResult& n : nodes) {
        out += std::to_string(n.number) + " 0 0 " + g9(n.sigmaX) + ' ' + g9(n.tauXY) + ' ' + g9(n.sigmaY) + ' ' +
               g9(n.sigmaZ) + ' ' + g9(n.reduced) + '\n';
    }
    return out;
}

// A whole result file: a banner, then one pair.
inline std::string resultFile(const std::vector<NodeResult>& nodes)
{
    return " ZORIND test solver\n model: " + std::to_string(nodes.size()) + " nodes\n\n" + resultPair(nodes);
}

// Distinct values for `count` nodes, numbered 1..count.
inline std::vector<NodeResult> sampleResults(int count)
{
    std::vector<NodeResult> out;
    for (int k = 1; k <= count; ++k) {
        const float b = static_cast<float>(k);
        out.push_back({k, b * 0.001f, -b * 0.002f, b * 10.5f, -b * 3.25f, b * 100.0f, b * 7.0f, -b * 50.0f, b * 15.0f,
                       b * 120.0f});
    }
    return out;
}

} // namespace zorind::test
