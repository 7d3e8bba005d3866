#include "core/edit/Conditions.h"
#include "core/ui/Messages.h"

namespace zorind {

ConditionDialogKind conditionDialogFor(int analysisType)
{
    if (isPotentialAnalysis(analysisType)) {
        return ConditionDialogKind::Potential;
    }
    return analysisType == Elasticity ? ConditionDialogKind::Elasticity : ConditionDialogKind::None;
}

void addCondition(Project& project, Interaction& ui, const ConditionDialogRunner& runDialog)
{
    const int n = project.conditions.append({1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    if (n == 0) {
        ui.error(capacityMessage(kConditionsGenitive, kMaxConditions), kConditionCaption);
        return;
    }
    project.selectedNumber = n;
    const ConditionDialogKind dialog = conditionDialogFor(project.analysisType);
    if (dialog != ConditionDialogKind::None) {
        if (runDialog(dialog)) {
            project.currentCondition = n;
        } else {
            project.conditions.erase(n);
        }
    }
}

void changeCondition(Project& project, const ConditionDialogRunner& runDialog)
{
    project.selectedNumber = 0;
    const ConditionDialogKind dialog = conditionDialogFor(project.analysisType);
    if (dialog != ConditionDialogKind::None) {
        runDialog(dialog);
    }
}

RadioCaptions potentialRadioCaptions(int analysisType)
{
    switch (analysisType) {
    case ElectricPotential:
        return {"potencjał elektryczny", "strumień elektryczny"};
    case MagneticPotential:
        return {"potencjał magnetyczny", "strumień magnetyczny"};
    case HydrodynamicPressure:
        return {"ciśnienie", "-gęstość*przysp."};
    case PotentialFlow:
        return {"funckcja strumienia", "różn.f.strum.po norm."};
    default:
        return {"temperatura", "strumień ciepła"};
    }
}

namespace {

// Step 1 of storing: the number and the values the dialog uses must read.
bool readable(const ConditionEntry& entry, std::size_t valueCount)
{
    if (!entry.number) {
        return false;
    }
    for (std::size_t i = 0; i < valueCount; ++i) {
        if (!entry.values[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool storePotentialCondition(Project& project, Interaction& ui, const ConditionEntry& entry)
{
    if (!readable(entry, 3)) {
        ui.error(kBadDataMessage, kConditionCaption);
        return false;
    }
    float kind = entry.kind == 1 ? 1.0f : entry.kind == 2 ? 2.0f : 3.0f;
    if (entry.kind == 3) {
        // The ambient temperature belongs to the whole project: it is taken
        // before the number is checked.
        if (!entry.ambient) {
            return false;
        }
        project.ambientTemperature = *entry.ambient;
        kind = 3.0f;
    }
    const int n = *entry.number;
    if (!project.conditions.contains(n)) {
        ui.error(kBadDataMessage, kConditionCaption);
        return false;
    }
    BoundaryCondition& c = project.conditions[n];
    c.kind = kind;
    c.atNode1 = *entry.values[0];
    c.atMiddle = *entry.values[1];
    c.atNode2 = *entry.values[2];
    return true;
}

const char* elasticityKindName(int kind)
{
    switch (kind) {
    case TractionKind:
        return "obciążenie ciągłe";
    case DisplacementKind:
        return "przemieszczenie";
    case PressureKind:
        return "ciśnienie";
    case HeldXKind:
        return "przemieszczenie X, obciążenie Y";
    case HeldYKind:
        return "obciążenie X, przemieszczenie Y";
    default:
        return nullptr;
    }
}

bool storeElasticityCondition(Project& project, Interaction& ui, const ConditionEntry& entry)
{
    // A pressure has no second component: its y values are not read and
    // are stored as 0.
    const int kind = elasticityKind(static_cast<float>(entry.kind)) != 0 ? entry.kind : TractionKind;
    const bool pressure = kind == PressureKind;
    if (!readable(entry, pressure ? 3 : 6)) {
        ui.error(kBadDataMessage, kConditionCaption);
        return false;
    }
    const int n = *entry.number;
    if (!project.conditions.contains(n)) {
        ui.error(kBadDataMessage, kConditionCaption);
        return false;
    }
    BoundaryCondition& c = project.conditions[n];
    c.kind = static_cast<float>(kind);
    c.atNode1 = *entry.values[0];
    c.atMiddle = *entry.values[1];
    c.atNode2 = *entry.values[2];
    c.atNode1Y = pressure ? 0.0f : *entry.values[3];
    c.atMiddleY = pressure ? 0.0f : *entry.values[4];
    c.atNode2Y = pressure ? 0.0f : *entry.values[5];
    return true;
}

} // namespace zorind
