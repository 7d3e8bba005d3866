#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "core/ui/Messages.h"

namespace zorind {

// One radio button of "Typ obliczeń" (AnalysisTypeDialog), in the dialog's order from
// the top.
struct AnalysisTypeChoice {
    int code;
    const char* buttonName;
    const char* caption;
};

inline constexpr std::array<AnalysisTypeChoice, 7> kAnalysisTypeChoices{{
    {HeatFlow, "ter", "stacjonarny przepływ ciepła"},
    {ElectricPotential, "ele", "potencjał elektryczny"},
    {MagneticPotential, "mag", "potencjał magnetyczny"},
    {HydrodynamicPressure, "hyd", "ciśnienie hydrodynamiczne w zamkniętych zbiornikach wodnych"},
    {PotentialFlow, "cie", "laminarny przepływ cieczy nieściśliwej, nielepkiej"},
    {Elasticity, "spr", "sprężystość"},
    {Thermoelasticity, "tspr", "termosprężystość"},
}};

inline constexpr const char* kAnalysisTypeTitle = "Typ obliczeń";

// Whether `code` is one of the seven analysis types.
bool isAnalysisTypeCode(int code);

// OK in "Typ obliczeń": sets analysisType to the checked button's code and
// clears resultsValid, even when the type did not change. An unknown code
// changes nothing.
void applyAnalysisType(Project& project, int code);

inline constexpr const char* kPhysicalPropertiesTitle = "Własności fizyczne";

// The label of the conductivity field of "Własności fizyczne" (PhysicalPropertiesDialog) for the
// analysis type.
std::string_view conductivityLabel(int analysisType);

// OK in "Własności fizyczne" with the entry parsed by the dialog (nothing when
// it is not a number). A value that is not a finite number greater than 0
// (after rounding to single precision) shows "Złe dane" with the error icon
// and leaves the conductivity as it was; otherwise the conductivity takes
// the value. Returns whether it was accepted. resultsValid is not touched.
bool applyConductivity(Project& project, Interaction& ui, std::optional<double> value);

// OK in "Własności fizyczne" of an elasticity project: Young's modulus and
// Poisson's ratio as the dialog parsed them (nothing when a field is not a
// number) and plane stress or plane strain. A value that is missing or out
// of range (materialFault) shows "Złe dane" and why, with the error icon,
// and leaves the material as it was; otherwise the project takes it.
// Returns whether it was accepted.
bool applyMaterial(Project& project, Interaction& ui, std::optional<double> youngModulus,
                   std::optional<double> poissonRatio, bool planeStress);

// The same for the text of the field: a decimal number with `decimalSeparator`
// (the user's locale) or a point, an optional sign and exponent, surrounding
// blanks allowed.
bool applyConductivityText(Project& project, Interaction& ui, std::string_view text, char decimalSeparator);

} // namespace zorind
