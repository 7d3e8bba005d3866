#pragma once

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr const char* kScaleDataCaption = "Skalowanie danych";

// "Skaluj da&ne": each node and internal point moves to
// origin + factor · (point − origin), x and y by their own factors.
struct DataScaling {
    double factorX = 1.0;
    double factorY = 1.0;
    double originX = 0.0;
    double originY = 0.0;
};

// Scales the coordinates and discards the results, which belong to the
// model before. A factor that is not a positive number (a mirror would turn
// every boundary the wrong way round), or coordinates that would leave the
// range of the tables' numbers, are refused with a message and nothing
// changes. Returns whether the coordinates were scaled.
bool scaleData(Project& project, Interaction& ui, const DataScaling& scaling);

} // namespace zorind
