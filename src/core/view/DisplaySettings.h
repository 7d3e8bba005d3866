#pragma once

#include <cstdint>

namespace zorind {

// The display switches of the main window (0/1 flags unless stated).
struct DisplaySettings {
    int32_t showNodes = 1;
    int32_t showElements = 1;
    int32_t showNodeNumbers = 0;
    int32_t showElementNumbers = 0;
    int32_t showBoundaryConditions = 0;
    int32_t showElementBoundaryNumbers = 0;
    int32_t showInternalPoints = 1;
    int32_t showInternalValues = 1;
    int32_t showEndValues = 1;
    int32_t showMidValues = 0;
    int32_t showBcNumbers = 1;
    int32_t showPotential = 0;
    int32_t showFlux = 0;
    int32_t normalsFlag = 0;
    float colourSubdivisions = 30.0f;
    int32_t paletteMode = 1;
    // The potential coloured over the whole region, with isolines.
    int32_t showFieldMap = 0;
    // Arrows of the flux over the region (potential analyses).
    int32_t showFluxArrows = 0;
    friend bool operator==(const DisplaySettings&, const DisplaySettings&) = default;
};

} // namespace zorind
