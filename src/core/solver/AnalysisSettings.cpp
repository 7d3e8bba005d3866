#include "core/solver/AnalysisSettings.h"

#include <string>

#include "core/model/NumberFormat.h"

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

void applyAnalysisType(Project& project, int code)
{
    if (isAnalysisTypeCode(code)) {
        project.analysisType = code;
        project.resultsValid = 0;
    }
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
    const std::optional<float> typed = typedFloat(value);
    const bool acceptable = typed && *typed > 0.0f &&
                            // The project file keeps six decimals: a value it would store
                            // as 0 would come back as 0, which the solver replaces by 1.
                            parseFiniteDouble(formatFixed(*typed, 6)).value_or(0.0) > 0.0;
    if (!acceptable) {
        ui.error(kBadDataMessage, kPhysicalPropertiesTitle);
        return false;
    }
    project.conductivity = *typed;
    return true;
}

bool applyConductivityText(Project& project, Interaction& ui, std::string_view text, char decimalSeparator)
{
    return applyConductivity(project, ui, parseDecimalText(text, decimalSeparator));
}

} // namespace zorind
