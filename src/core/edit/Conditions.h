#pragma once

#include <array>
#include <functional>
#include <optional>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "core/ui/Messages.h"

namespace zorind {

inline constexpr const char* kConditionCaption = "Warunek brzegowy";

// Which condition dialog an analysis type edits its conditions with.
enum class ConditionDialogKind { Potential, Elasticity, None };
ConditionDialogKind conditionDialogFor(int analysisType);

// Shows the condition dialog of that kind modally; true when it closed
// with OK. The dialog opens on selectedNumber.
using ConditionDialogRunner = std::function<bool(ConditionDialogKind)>;

// "Dodaj warunek brzegowy": appends a condition of kind 1 with zero values
// and opens the dialog on it. Kept and made current when the dialog closes
// with OK, dropped otherwise. Thermoelasticity has no dialog: the new
// condition stays as appended and the current one does not change. A full
// table is refused with a message.
void addCondition(Project& project, Interaction& ui, const ConditionDialogRunner& runDialog);

// "Zmień warunek brzegowy": the dialog with a free number field.
void changeCondition(Project& project, const ConditionDialogRunner& runDialog);

// The captions of the radios `temp` (kind 1) and `strum` (kind 2) of the
// potential dialog, which name the quantity of each analysis.
struct RadioCaptions {
    const char* first;
    const char* second;
};
RadioCaptions potentialRadioCaptions(int analysisType);
// Convection and the ambient temperature belong to heat flow only.
inline bool convectionAllowed(int analysisType)
{
    return analysisType == HeatFlow;
}

// What a condition dialog read from its fields; nothing where a text did not
// parse. `values` are the x components at node 1, middle and node 2, then
// the y components (elasticity only).
struct ConditionEntry {
    std::optional<int> number;
    int kind = 1; // the radio chosen: 1, 2 or 3 (convection); elasticity: an ElasticityKind
    std::array<std::optional<float>, 6> values{};
    // The ambient temperature field; read only for convection.
    std::optional<float> ambient;
};

// OK and "Zastosuj" of the potential dialog, in this order: an unreadable
// number or value is "Złe dane" and stores nothing; for convection the
// ambient temperature is stored at once (an unreadable one stops silently);
// then a number naming no condition is "Złe dane"; otherwise the condition
// gets the kind and the three values. Returns whether it was stored.
bool storePotentialCondition(Project& project, Interaction& ui, const ConditionEntry& entry);
// The same for the elasticity dialog: no convection, all six values (a
// pressure: the three x values, its y values stored as 0). A kind
// elasticity does not know is stored as a traction.
bool storeElasticityCondition(Project& project, Interaction& ui, const ConditionEntry& entry);

// What an elasticity kind is called in the condition dialog and the list;
// nullptr for a kind elasticity does not know.
const char* elasticityKindName(int kind);

} // namespace zorind
