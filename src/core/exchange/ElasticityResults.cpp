#include "exchange/ElasticityResults.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/NumberFormat.h"

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

} // namespace zorind
