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
                            static_cast<float>(*value) > 0.0f &&
                            // The project file keeps six decimals: a value it would store
                            // as 0 would come back as 0, which the solver replaces by 1.
                            parseFiniteDouble(formatFixed(static_cast<float>(*value), 6)).value_or(0.0) > 0.0;
    if (!acceptable) {
        ui.error(kBadDataMessage, kPhysicalPropertiesTitle);
        return false;
    }
    project.conductivity = static_cast<float>(*value);
    return true;
}

bool applyConductivityText(Project& project, Interaction& ui, std::string_view text, char decimalSeparator)
{
    return applyConductivity(project, ui, parseDecimalText(text, decimalSeparator));
}

} // namespace zorind
