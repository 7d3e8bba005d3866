#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/lists/ListColumns.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The texts of the model's list windows ("&Listy"). Numbers of the model
// are plain integers; coordinates and condition values show as the stored
// float widened to double in general format with up to 15 significant
// digits and the user's decimal separator (0.1 shows as 0.100000001490116),
// and are copied as copiedNumber writes them.

inline constexpr const char* kNodeListTitle = "Lista węzłów";
inline constexpr const char* kInternalPointListTitle = "Lista węzłów wewnętrznych";
inline constexpr const char* kElementListTitle = "Lista elementów";
inline constexpr const char* kBoundaryListTitle = "Lista brzegów";
inline constexpr const char* kConditionListTitle = "Lista warunków brzegowych";
inline constexpr std::array<const char*, 3> kPointListHeaders{"Nr", "x", "y"};
inline constexpr std::array<int, 3> kPointListColumnWidths{20, 90, 90};
inline constexpr const char* kElementListHeading = "Nr elementu, węzeł 1, 2, nr war. brzegowego, nr brzegu";
inline constexpr const char* kBoundaryListHeading = "Nr brzegu, typ";
inline constexpr const char* kConditionListHeading = "Numer węzła - typ warunku, wartość";
inline constexpr const char* kMakeCurrentButton = "Ustal jako aktualny";

// The grids "Nr", "x", "y" of the nodes and of the internal points.
ListColumns nodeListColumns(const Project& project, char decimalSeparator);
ListColumns internalPointListColumns(const Project& project, char decimalSeparator);

// "3 - 3, 4, 1, 2": element, start node, end node, condition, boundary.
std::vector<std::string> elementListEntries(const Project& project);
ListColumns elementListColumns(const Project& project);

// An entry of a list that can make its item current, with the number of
// the item it names.
struct NumberedEntry {
    int number = 0;
    std::string text;
};

// "2 - wewnętrzny ": every boundary.
std::vector<NumberedEntry> boundaryListEntries(const Project& project);
ListColumns boundaryListColumns(const Project& project);

// "1 - temperatura : 20 20 25": the conditions whose kind the analysis
// knows; the others (a convection condition left in an elasticity model)
// have no entry, so an entry's position need not be its condition number.
// Thermoelasticity, which has no condition dialog of its own, lists its
// conditions as elasticity does, as the condition selector reads them.
std::vector<NumberedEntry> conditionListEntries(const Project& project, char decimalSeparator);
// Number, kind and the values at node 1, the middle and node 2 (x, then y
// in an elasticity or thermoelasticity model).
ListColumns conditionListColumns(const Project& project, char decimalSeparator);

// "Ustal jako aktualny": asks, and on Yes makes boundary (condition) `number`
// current. `number` 0 (no entry selected) does nothing. Returns whether it
// changed.
bool chooseCurrentBoundary(Project& project, Interaction& ui, int number);
bool chooseCurrentCondition(Project& project, Interaction& ui, int number);

} // namespace zorind
