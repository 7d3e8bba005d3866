#pragma once

#include "gui/lists/GridLists.h"

namespace zorind {

// "Bilans": per boundary and per condition the elements, their length and
// the integrals of the valid results over them, then the sum and the
// imbalance (elasticity: forces, moments and the largest reduced stress).
extern const GridListSpec kBalanceListSpec;
using BalanceList = ProjectGridList<kBalanceListSpec>;

} // namespace zorind
