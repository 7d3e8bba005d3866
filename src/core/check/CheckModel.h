#pragma once

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The consistency check in front of the solver. Reports every defect it
// finds as a plain message at the moment it finds it: element references
// outside the tables, zero-length elements, nodes no element uses, elements
// that cannot be grouped by boundary, boundaries that are not one closed
// chain and a table that is not in chain order. On the way the elements are
// regrouped by boundary, boundary 1 first; that regrouping stays even when
// errors are reported. Returns 0 when the model can be solved, 1 when at
// least one error was reported.
//
// When a potential model passes, boundaries drawn the wrong way round (an
// outer boundary clockwise, an inner one anticlockwise) are pointed out with
// exclamation messages; they do not make the result 1.
int checkModel(Project& project, Interaction& ui);

// "&Sprawdź spójność danych": the check, then "Nie znaleziono błędów" when
// it found nothing.
void checkModelCommand(Project& project, Interaction& ui);

// The closing message of "&Sprawdź spójność danych" when the check passes.
inline constexpr const char* kNoErrorsFound = "Nie znaleziono błędów";

// The caption of the orientation warnings.
inline constexpr const char* kOrientationCaption = "Kierunek brzegu";

} // namespace zorind
