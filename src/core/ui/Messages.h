#pragma once

#include <string>

namespace zorind {

// Texts shown by more than one room of the program: the window and box
// caption, the refusal of a value that cannot be taken, and the refusal of
// an addition beyond a table's capacity.

inline constexpr const char* kApplicationTitle = "ZORIND";

inline constexpr const char* kBadDataMessage = "Złe dane";

// "Osiągnięto maksymalną liczbę <what> (<capacity>)", where `what` is the
// genitive plural ("węzłów", "elementów", ...).
inline std::string capacityMessage(const char* what, int capacity)
{
    return std::string("Osiągnięto maksymalną liczbę ") + what + " (" + std::to_string(capacity) + ")";
}

inline constexpr const char* kNodesGenitive = "węzłów";
inline constexpr const char* kElementsGenitive = "elementów";
inline constexpr const char* kConditionsGenitive = "warunków brzegowych";
inline constexpr const char* kBoundariesGenitive = "brzegów";
inline constexpr const char* kInternalPointsFull = "Osiągnięto maksymalną liczbę punktów wewnętrznych";

} // namespace zorind
