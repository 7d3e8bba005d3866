#pragma once

#include <array>

namespace zorind {

// The labels of the condition dialogs' three value rows: node 1, the
// middle, node 2.
inline constexpr std::array<const char*, 3> kConditionValueLabels{"Wartość w weźle 1", "Wartość w węźle środkowym",
                                                                  "Wartość w węźle 2"};

} // namespace zorind
