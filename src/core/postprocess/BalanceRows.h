#pragma once

#include "core/lists/ListColumns.h"
#include "core/postprocess/Balance.h"

namespace zorind {

inline constexpr const char* kBalanceTitle = "Bilans";

// "Bilans" as a list: a row per boundary ("Brzeg 1") and per condition
// ("Warunek 2") with its elements, length and integrals, then the sum over
// the boundaries ("Suma") and the imbalance ("Niezbilansowanie"); for
// elasticity also the largest reduced stress and its node. Numbers show six
// significant digits with `decimalSeparator`; each is copied with the nine
// that read back the same double.
ListColumns balanceColumns(const Balance& balance, char decimalSeparator);

} // namespace zorind
