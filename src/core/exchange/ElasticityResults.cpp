#include "core/exchange/ElasticityResults.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "core/model/NumberFormat.h"
#include "core/view/ColourScale.h"

namespace zorind {

std::array<float, 9> elasticityValues(const Project& project, int node)
{
    const std::array<float, 8>& e = project.elementResults[node].slot;
    const std::array<float, 8>& f = project.fluxResults[node].slot;
    return {e[1], e[2], f[1], f[2], e[3], e[4], e[5], e[6], e[7]};
}

std::string formatElasticityValue(float value, char decimalSeparator)
{
    const double v = static_cast<double>(value);
    if (std::isnan(v)) {
        return "NAN";
    }
    if (std::isinf(v)) {
        return v > 0 ? "INF" : "-INF";
    }
    // Six significant digits first: "d.ddddde+XX".
    std::array<char, 64> buffer{};
    const auto sci = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::scientific, 5);
    const std::string_view rounded(buffer.data(), static_cast<std::size_t>(sci.ptr - buffer.data()));
    const std::size_t e = rounded.find('e');
    int exponent = 0;
    std::from_chars(rounded.data() + e + 1 + (rounded[e + 1] == '+' ? 1 : 0), rounded.data() + rounded.size(),
                    exponent);

    std::string text;
    if (exponent >= 6) {
        text = std::string(rounded.substr(0, e)) + 'E' + std::string(rounded.substr(e + 1));
    } else if (exponent >= -1) {
        // Six significant digits reach no further than the sixth decimal:
        // the rounded value prints exactly.
        double shortened = 0.0;
        std::from_chars(rounded.data(), rounded.data() + rounded.size(), shortened);
        text = formatFixed(shortened, 6);
    } else {
        // Here the six decimals are the tighter limit: one rounding only.
        text = formatFixed(v, 6);
    }
    dropSignOfZero(text);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

ListColumns elasticityResultColumns(const Project& project, char decimalSeparator)
{
    ListColumns table{{kElasticityResultHeaders.begin(), kElasticityResultHeaders.end()}, {}};
    table.rows.reserve(static_cast<std::size_t>(project.nodeCount()));
    for (int i : project.nodes.numbers()) {
        ListRow row;
        row.text(std::to_string(i));
        for (float value : elasticityValues(project, i)) {
            row.value(formatElasticityValue(value, decimalSeparator), value);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::array<float, 7> internalPointValues(const Project& project, int point)
{
    const InternalPointResult& r = project.internalPointResults[point];
    return {r.ux, r.uy, r.sigmaX, r.sigmaY, r.tauXY, r.sigmaZ, r.reduced};
}

ListColumns internalPointResultColumns(const Project& project, char decimalSeparator)
{
    ListColumns table{{kInternalPointResultHeaders.begin(), kInternalPointResultHeaders.end()}, {}};
    const bool computed = hasInternalPointResults(project);
    table.rows.reserve(static_cast<std::size_t>(project.internalPointCount()));
    for (int i : project.internalPoints.numbers()) {
        ListRow row;
        row.text(std::to_string(i));
        for (float coordinate : {project.internalPoints[i].x, project.internalPoints[i].y}) {
            row.value(formatElasticityValue(coordinate, decimalSeparator), coordinate);
        }
        for (float value : internalPointValues(project, i)) {
            if (computed) {
                row.value(formatElasticityValue(value, decimalSeparator), value);
            } else {
                row.text({});
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

// The nodes the elements name, each once, in node order.
std::vector<int> elementNodes(const Project& p)
{
    std::vector<bool> used(static_cast<std::size_t>(p.nodeCount()) + 1, false);
    for (const Element& e : p.elements) {
        for (int n : {e.startNode, e.endNode}) {
            if (p.nodes.contains(n)) {
                used[static_cast<std::size_t>(n)] = true;
            }
        }
    }
    std::vector<int> nodes;
    for (int n : p.nodes.numbers()) {
        if (used[static_cast<std::size_t>(n)]) {
            nodes.push_back(n);
        }
    }
    return nodes;
}

} // namespace

std::optional<double> displacementFactor(const Project& p)
{
    if (p.resultsValid != 1 || p.analysisType != Elasticity) {
        return std::nullopt;
    }
    const std::vector<int> nodes = elementNodes(p);
    if (nodes.empty()) {
        return std::nullopt;
    }
    double minX = p.nodes[nodes.front()].x, maxX = minX;
    double minY = p.nodes[nodes.front()].y, maxY = minY;
    double largest = 0.0;
    for (int n : nodes) {
        const std::array<float, 9> v = elasticityValues(p, n);
        minX = std::min(minX, static_cast<double>(p.nodes[n].x));
        maxX = std::max(maxX, static_cast<double>(p.nodes[n].x));
        minY = std::min(minY, static_cast<double>(p.nodes[n].y));
        maxY = std::max(maxY, static_cast<double>(p.nodes[n].y));
        largest = std::max(largest, std::hypot(static_cast<double>(v[0]), static_cast<double>(v[1])));
    }
    const double factor = 0.1 * std::max(maxX - minX, maxY - minY) / largest;
    if (!(largest > 0.0) || !std::isfinite(factor) || !(factor > 0.0)) {
        return std::nullopt;
    }
    return factor;
}

std::string displacementFactorText(double factor, char decimalSeparator)
{
    std::string text = formatGeneral(factor, 5);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return kDisplacementFactorLabel + text;
}

ColourScaleRange reducedStressRange(const Project& p)
{
    const std::vector<int> nodes = elementNodes(p);
    float min = 0.0f;
    float max = 0.0f;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const float v = elasticityValues(p, nodes[k])[8];
        min = k == 0 ? v : std::min(min, v);
        max = k == 0 ? v : std::max(max, v);
    }
    return scaleRangeOf(min, max);
}

} // namespace zorind
