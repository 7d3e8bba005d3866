#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/lists/ListColumns.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// --- "Lista wyników" (ResultsList) ----------------------------------------------

inline constexpr const char* kResultListTitle = "Lista wyników";
inline constexpr std::array<const char*, 7> kResultListHeaders{"Nr",     "Pot.1",  "Pot.s", "Pot.2",
                                                               "Stru.1", "Stru.s", "Stru.2"};
// Widths of columns 0, 1, 2; the others keep the grid's default.
inline constexpr std::array<int, 3> kResultListColumnWidths{20, 90, 90};

struct ElementResultRow {
    int number = 0;
    // Potential at node 1, middle, node 2, then the flux at the same places.
    std::array<float, 6> values{};
};

// One row per element 1..elementCount.
std::vector<ElementResultRow> elementResultRows(const Project& project);
// The same as the window lists them: the headings, and per element its
// number and the six values, shown as displayNumber writes them with
// `decimalSeparator` and copied as copiedNumber does.
ListColumns elementResultColumns(const Project& project, char decimalSeparator);

// Which window "Lista wyników" opens.
enum class ResultsWindow { None, PotentialResults, ElasticityResults };

inline constexpr const char* kNotComputedMessage = "Projekt nie obliczony";

// "Lista wyników" (menu "&Obliczenia", tool button ListawynB): the potential
// results window for types below 10, the elasticity one for type 10; nothing
// for type 11. Without valid results shows "Projekt nie obliczony".
ResultsWindow resultsListCommand(const Project& project, Interaction& ui);

// --- "Temperatury w węzłach wewnętrznych" (InternalPointPotentialList) --------------------------

inline constexpr const char* kInternalResultsTitle = "Temperatury w węzłach wewnętrznych";
inline constexpr std::array<const char*, 2> kInternalResultsHeaders{"Nr węzła", "Temperatura"};
inline constexpr std::array<int, 2> kInternalResultsColumnWidths{50, 90};

struct InternalResultRow {
    int number = 0;
    std::optional<float> value; // nothing while the results are not valid
};

// One row per internal point, whether or not results exist; a value only
// while the potential results are valid, so that a value belonging to an
// earlier model is never listed.
std::vector<InternalResultRow> internalResultRows(const Project& project);
// The same as the window lists them; the cell of a missing value is empty.
ListColumns internalResultColumns(const Project& project, char decimalSeparator);

// --- "Skalowanie" (ResultScalingDialog) -----------------------------------------------

enum class ScalingOption {
    PotentialTimesY,
    PotentialByY,
    FluxTimesY,
    FluxByY,
    NoScaling,
    PotentialTimesX,
    PotentialByX,
    FluxTimesX,
    FluxByX,
};

struct ScalingChoice {
    ScalingOption option;
    const char* buttonName;
    const char* caption;
    int column; // 0 left, 1 right; from the top in table order
};

inline constexpr std::array<ScalingChoice, 9> kScalingChoices{{
    {ScalingOption::PotentialTimesY, "pry", "potencjał * wsp. y", 0},
    {ScalingOption::PotentialByY, "pdy", "potencjał / wsp. y", 0},
    {ScalingOption::FluxTimesY, "sry", "strumien * wsp. y", 0},
    {ScalingOption::FluxByY, "sdy", "strumien / wsp. y", 0},
    {ScalingOption::NoScaling, "brak", "brak skalowania", 0},
    {ScalingOption::PotentialTimesX, "prx", "potencjał * wsp. x", 1},
    {ScalingOption::PotentialByX, "pdx", "potencjał / wsp. x", 1},
    {ScalingOption::FluxTimesX, "srx", "strumien * wsp. x", 1},
    {ScalingOption::FluxByX, "sdx", "strumien / wsp. x", 1},
}};

inline constexpr const char* kScalingTitle = "Skalowanie";
inline constexpr const char* kScalingFrameLabel = "Parametry skalowania";
inline constexpr const char* kScalingQuestion = "Przeskalować wartości potencjału dzieląc je przez wartość wsp. y ?";
// Checked when the program starts.
inline constexpr ScalingOption kDefaultScalingOption = ScalingOption::NoScaling;

// The question asked before scaling with `option` (empty for NoScaling); for
// "potencjał / wsp. y" it is kScalingQuestion.
std::string scalingQuestion(ScalingOption option);

// OK in "Skalowanie" with `option` checked. After Yes to the question every
// stored potential (element positions and internal points) or every stored
// flux (element positions) is multiplied or divided, in single precision, by
// the x or y of its point; a division where that coordinate is 0 is skipped.
// resultsValid is neither looked at nor changed. Returns whether values were
// scaled; the main window repaints after the dialog whatever the outcome.
bool scaleResults(Project& project, Interaction& ui, ScalingOption option);

} // namespace zorind
