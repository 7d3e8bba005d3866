#pragma once

#include <functional>
#include <optional>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr const char* kBoundaryCaption = "Brzeg";
inline constexpr const char* kNoSuchBoundary = "Nie ma takiego brzegu";
inline constexpr const char* kDeleteBoundaryCaption = "Usuwanie brzegu";
inline constexpr const char* kDeleteBoundaryQuestion = "Czy usunąć elementy brzegu ?";
inline constexpr const char* kMoveBoundaryCaption = "Przesuwanie brzegu";
inline constexpr const char* kBoundaryNumberPrompt = "Podaj numer brzegu:";
inline constexpr const char* kShiftXPrompt = "Przesuniecie w osi x:";
inline constexpr const char* kShiftYPrompt = "Przesuniecie w osi y:";

// "Dodaj brzeg": appends a boundary (its kind not yet set) and shows the
// boundary dialog on it (`runDialog`, true for OK). Kept and made current
// after OK, taken back otherwise. A full table is refused with a message.
void addBoundary(Project& project, Interaction& ui, const std::function<bool()>& runDialog);

// OK of the boundary dialog: `number` as read from its number field
// (nothing when it did not parse), `kind` from its radios. A number naming
// no boundary is "Złe dane"; otherwise the kind is stored. Returns whether
// it was stored.
bool storeBoundaryKind(Project& project, Interaction& ui, std::optional<int> number, int kind);

// "Usuń brzeg": asks for a boundary number and removes that boundary's
// elements (asking first when it has any). The remaining elements keep
// their order and are renumbered without gaps; the boundary, the other
// boundaries and every node stay. Results no longer match the elements once
// some are gone, so they are marked invalid.
void deleteBoundary(Project& project, Interaction& ui);

// "Przesuń brzeg": asks for a boundary number and the two shifts (a shift
// that is not a number counts as 0; `decimalSeparator` is the user's) and
// moves the start node of every element of that boundary. Results then no
// longer match the geometry and are marked invalid.
void moveBoundary(Project& project, Interaction& ui, char decimalSeparator);

} // namespace zorind
