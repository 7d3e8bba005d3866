#pragma once

#include <optional>

#include "core/edit/NodeEditing.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// Relative size of the window in which a point is picked at the pointer.
inline constexpr double kPickRelTolerance = 0.05;
// Points per axis the grid command accepts.
inline constexpr int kMaxGridPointsPerAxis = 20;

// Whether internal point `point` lies in the pick window around the model
// point `at`. On an axis where `at` is positive the window is the open
// interval ((1 - 0.05) at, (1 + 0.05) at); where it is negative, the window
// of the same relative size around it, |v - at| < 0.05 |at|; where it is
// exactly 0, |v| < 0.05 times the grid spacing of that axis.
bool internalPointPicked(const InternalPoint& point, ModelPoint at, float gridStepX, float gridStepY);

// "Dodaj" > "Wę&zeł wewnętrzny": appends the point (0, 0) and opens the
// internal-point dialog on it; unless the dialog closes with OK the point
// goes again. At 499 points the maximum message is shown instead.
void addInternalPoint(Project& project, Interaction& ui, const DialogCall& pointDialog);

// Popup "Wstaw wę&zeł wewnętrzny" at the client pixel (px, py): asks whether
// to add the point under the pointer (snapped while the grid is on) and
// appends it on Yes. Nothing happens in a model without boundary nodes.
void insertInternalPointAtPointer(Project& project, Interaction& ui, int px, int py);

// "Zmień" > "Współ. wę&zła wewnętrznego": the dialog with a free number field.
void editInternalPoint(Project& project, const DialogCall& pointDialog);

// "Usuń" > "Wę&zeł wewnętrzny": asks a number and deletes that point.
void deleteInternalPointByNumber(Project& project, const DialogCall& prompt);

// Popup "Usuń wę&zeł wewnętrzny" at the client pixel (px, py): every point
// in the pick window around the grid point nearest to the pixel is offered
// in turn, one question each; when there is none, the point drawn nearest
// to the pixel within the pick radius.
void deleteInternalPointAtPointer(Project& project, Interaction& ui, int px, int py);

// "Usuń" > "Wszystkie węzły wew&nętrzne", after the question.
void deleteAllInternalPoints(Project& project, Interaction& ui);

// "Dodaj" > "&Siatkę węzłów wewnętrznych": n x n points (n asked, 1..20)
// over the view area from its lower-left corner, numbered column by column;
// a point lying exactly on a boundary node is left out, and points beyond
// the 499th are dropped without a message.
void gridOfInternalPoints(Project& project, Interaction& ui, const DialogCall& prompt);

// The internal-point dialog's OK: point k gets (x, y). When k names no point
// or a coordinate is not a float number, "Złe dane" is shown, nothing is
// stored and false is returned (the dialog then closes as cancelled).
bool storeInternalPoint(Project& project, Interaction& ui, std::optional<int> k, std::optional<double> x,
                        std::optional<double> y);

} // namespace zorind
