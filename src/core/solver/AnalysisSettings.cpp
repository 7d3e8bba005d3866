#include "solver/AnalysisSettings.h"

#include <cmath>
#include <limits>
#include <string>

#include "model/NumberFormat.h"

namespace zorind {

bool isAnalysisTypeCode(int code)
{
    for (const AnalysisTypeChoice& choice : kAnalysisTypeChoices) {
        if (choice.code == code) {
            return true;
        }
    }
    return false;
}

bool applyAnalysisType(Project& project, int code)
{
    if (!isAnalysisTypeCode(code)) {
        return false;
    }
    project.analysisType = code;
    project.resultsValid = 0;
    return true;
}

std::string_view conductivityLabel(int analysisType)
{
    switch (analysisType) {
    case HeatFlow:
        return "Przewodność cieplna";
    case ElectricPotential:
        return "Przewodność elektryzna";
    case MagneticPotential:
        return "Przewodność magnetyczna";
    default:
        return "Przewodność";
    }
}

bool applyConductivity(Project& project, Interaction& ui, std::optional<double> value)
{
    const bool acceptable = value && std::isfinite(*value) && *value > 0.0 &&
                            *value <= static_cast<double>(std::numeric_limits<float>::max()) &&
                            static_cast<float>(*value) > 0.0f;
    if (!acceptable) {
        ui.error(kBadDataMessage, kPhysicalPropertiesTitle);
        return false;
    }
    project.conductivity = static_cast<float>(*value);
    return true;
}

std::optional<double> parseDecimalText(std::string_view text, char decimalSeparator)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::string normalised(text);
    for (char& c : normalised) {
        if (c == decimalSeparator) {
            c = '.';
        }
    }
    return parseFiniteDouble(normalised);
}

bool applyConductivityText(Project& project, Interaction& ui, std::string_view text, char decimalSeparator)
{
    return applyConductivity(project, ui, parseDecimalText(text, decimalSeparator));
}

} // namespace zorind
