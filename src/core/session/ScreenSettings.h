#pragma once

#include <functional>
#include <optional>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The twelve settings of the screen-settings dialog (ScreenSettingsDialog).
struct ScreenSettings {
    bool showNodes = true;           // wezly "Węzły"
    bool showNodeNumbers = false;    // nrwezly "Numery węzłów"
    bool showElements = true;        // elem "Elementy"
    bool showElementNumbers = false; // nrelem "Numery elementów"
    bool showInternalPoints = true;  // wew "Węzły wewnętrzne"
    bool showEndValues = true;       // wpe "węzłach skrajnych elementu"
    bool showMidValues = false;      // wse "węzłach środkowych elementu"
    bool showInternalValues = true;  // www "węzłach wewnętrznych"
    bool gridOn = true;              // siat "Pokaż siatke"
    bool sevenBandPalette = false;   // kol "256 kolorów w palecie" (paletteMode 2)
    float gridStepX = 2.0f;          // Edit1 "w osi x"
    float gridStepY = 2.0f;          // Edit2 "w osi y"
};

// The settings in force, as the dialog shows them when it opens.
ScreenSettings currentScreenSettings(const Project& project);

// OK of the dialog: the ten check boxes always take effect; the spacings
// (parsed in the user's locale, nothing when a field did not parse) only
// when both are positive floats, otherwise "Błędnie podano parametry
// siatki" is shown and the spacing stays. Returns whether the spacing was
// taken.
bool acceptScreenSettings(Project& project, Interaction& ui, const ScreenSettings& boxes, std::optional<double> stepX,
                          std::optional<double> stepY);

// The command "Ustawienia ekranu": remembers the settings, runs the modal
// dialog (true when it closed with OK), puts everything back after
// "Anuluj", then rebuilds the palette.
void screenSettingsCommand(Project& project, const std::function<bool()>& runDialog);

} // namespace zorind
