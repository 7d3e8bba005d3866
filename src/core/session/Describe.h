#pragma once

#include <string>
#include <vector>

#include "core/session/Project.h"

namespace zorind {

// The one-line text of boundary condition i as the condition selector CWB
// and the status bar show it, e.g. "Pot:5.00 5.00 5.00" or
// "Strum:0.000 0.000 0.000". Thermoelasticity, which has no dialog of its
// own, reads its conditions as elasticity does; a kind that has no text of
// its own is shown as "Nieznany rodzaj 3:" with its three values. Empty for
// a number that names no condition.
std::string describeCondition(const Project& project, int condition);

// "Brzeg 2 wew": the text of boundary b in the selector CBRZEG.
std::string describeBoundary(const Project& project, int boundary);

// Status-bar panel 5: the current boundary and condition,
// "Brzeg 1 z Pot:5.00 5.00 5.00" ("z" for an outer boundary, "w" otherwise).
std::string currentSelectionText(const Project& project);

// The state of the tool bars and the "&Widok" check marks, taken from the
// Project on every repaint (the main window keeps none of its own).
struct ToolBarState {
    bool nodeNumbersDown = false;             // BWEZLY
    bool elementNumbersDown = false;          // BELE
    bool conditionsDown = false;              // BWB
    bool boundaryNumbersDown = false;         // BB
    bool potentialDown = false;               // BT
    bool fluxDown = false;                    // BTN
    bool resultButtonsEnabled = false;        // BT and BTN
    bool elasticityComputeEnabled = false;    // "Oblicz s&prężystość": an elasticity analysis
    bool internalPointResultsEnabled = false; // "W&yniki w punktach wewnętrznych"
    bool saveEnabled = false;                 // "&Zapisz": the project has a file of its own
    std::vector<std::string> conditionItems;  // CWB
    int conditionIndex = -1;                  // currentCondition - 1
    std::vector<std::string> boundaryItems;   // CBRZEG
    int boundaryIndex = -1;                   // currentBoundary - 1
    bool normalsChecked = false;              // "W. &normalne"
    bool conditionsChecked = false;           // "Warunki &brzegowe"
    bool potentialChecked = false;            // "&Potencjał"
    bool fluxChecked = false;                 // "&Strumień"
    bool fieldMapChecked = false;             // "&Mapa pola"
    bool fluxArrowsChecked = false;           // "Strzałki str&umienia"
    bool displacementsChecked = false;        // "P&rzemieszczenia"
    bool reducedStressChecked = false;        // "Naprężenia &zredukowane"
    bool equalScaleChecked = false;           // "Równa s&kala osi"
};
ToolBarState toolBarState(const Project& project);

// An entry picked in CWB (index from 0): makes that condition current; an
// index naming no condition changes nothing.
void pickCondition(Project& project, int index);
// The same for CBRZEG and the current boundary.
void pickBoundary(Project& project, int index);

} // namespace zorind
