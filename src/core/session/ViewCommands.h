#pragma once

#include <optional>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr double ZOOM_IN_FACTOR = 0.8;
inline constexpr double ZOOM_OUT_FACTOR = 1.2;

// Zoom buttons: every area bound is multiplied by the factor, so the area
// scales about the model origin. A zoom out that would carry a bound beyond
// 1e15, and a zoom in that would leave an axis less than two grid steps
// (with the grid on) or a millionth of its bounds across, or mirror it, is
// refused (the area stays).
void zoomIn(Project& project);
void zoomOut(Project& project);

// The mouse wheel: the area zooms by `factor` (ZOOM_IN_FACTOR or
// ZOOM_OUT_FACTOR) about the client pixel (px, py) of `drawn`, the view as
// the drawing area shows it, so that the model point under the pixel stays
// under it. Refused within the zoom buttons' limits. The scales follow the
// new area at once, for the next turn of the wheel before the repaint.
// Returns whether the area changed.
bool zoomAtPixel(Project& project, const ViewTransform& drawn, double factor, double px, double py);

// A drag of the drawing: `start` is the view as it was when the drag began,
// and the area moves from there by (dx, dy) pixels, so that the model point
// grabbed follows the pointer. A move that would carry a bound past the
// zoom limit (or past the largest bound of `start`, if that is larger) is
// refused. Returns whether the area was set.
bool panArea(Project& project, const ViewTransform& start, double dx, double dy);

// "&Pokaż wszystko": the bounding box of the boundary nodes becomes the area
// (an empty extent grows by 1). Without nodes nothing happens.
void showEverything(Project& project);

// OK of the grid dialog (GridDialog). The numbers come already parsed from
// the user's locale; nothing means the text did not parse. Both spacings
// must be positive floats, otherwise "Zła wartość podziałki" is shown and
// both keep their values. Returns whether the new spacing was taken; the
// main window is repainted either way.
bool acceptGridSpacing(Project& project, Interaction& ui, std::optional<double> stepX, std::optional<double> stepY);

// OK of the area dialog (AreaDialog), the four bounds as parsed from the
// fields. Unparseable bounds or an empty or inverted area give "Złe
// wartości definiujące obszar" and keep the area. Returns whether the new
// area was taken; the main window is repainted either way.
bool acceptViewArea(Project& project, Interaction& ui, std::optional<double> xMin, std::optional<double> yMin,
                    std::optional<double> xMax, std::optional<double> yMax);

} // namespace zorind
