#include "core/solver/AnalysisSettings.h"

#include <cctype>

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
    if (!typed || !(*typed > 0.0f)) {
        ui.error(kBadDataMessage, kPhysicalPropertiesTitle);
        return false;
    }
    project.conductivity = *typed;
    return true;
}

bool applyMaterial(Project& project, Interaction& ui, std::optional<double> youngModulus,
                   std::optional<double> poissonRatio, bool planeStress)
{
    std::optional<std::string> fault;
    if (!youngModulus) {
        fault = "moduł Younga musi być liczbą";
    } else if (!poissonRatio) {
        fault = "liczba Poissona musi być liczbą";
    }
    const Material material{youngModulus.value_or(0.0), poissonRatio.value_or(0.0), planeStress};
    if (!fault) {
        fault = materialFault(material);
    }
    if (fault) {
        // The reasons are ASCII at their start: a capital letter opens the line.
        (*fault)[0] = static_cast<char>(std::toupper(static_cast<unsigned char>((*fault)[0])));
        ui.error(std::string(kBadDataMessage) + "\n" + *fault, kPhysicalPropertiesTitle);
        return false;
    }
    project.material = material;
    return true;
}

bool applyConductivityText(Project& project, Interaction& ui, std::string_view text, char decimalSeparator)
{
    return applyConductivity(project, ui, parseDecimalText(text, decimalSeparator));
}

} // namespace zorind
