#pragma once

#include <array>
#include <string>
#include <vector>

#include "lists/ListColumns.h"
#include "session/Project.h"

namespace zorind {

// --- "Lista wyników" of an elasticity analysis (Tl_wyn_spr) ------------------

inline constexpr std::array<const char*, 10> kElasticityResultHeaders{
    "Nr węz.", "przem.X", "przem.Y", "siła X", "siła Y", "sig.X", "sig.Y", "sig.Z", "tau XY", "sig.red."};
inline constexpr int kElasticityGridDefaultWidth = 40;
inline constexpr int kElasticityNumberColumnWidth = 40;
inline constexpr int kElasticityValueColumnWidth = 60;

// The nine values of node `node` in the list's column order: displacement
// x, y, force x, y, sigma x, sigma y, sigma z, tau xy, reduced stress.
std::array<float, 9> elasticityValues(const Project& project, int node);

// A value as the list shows it: rounded to six significant digits, in fixed
// notation with six decimals, in scientific notation ("1.23457E+06") when it
// has more than six integer digits; `decimalSeparator` in place of the
// point. A value that rounds to zero shows without a sign.
std::string formatElasticityValue(float value, char decimalSeparator);

// The list: the headings, and per node its number and its nine values,
// shown as formatElasticityValue writes them and copied as copiedNumber
// does, so that a displacement too small for six decimals is copied whole.
ListColumns elasticityResultColumns(const Project& project, char decimalSeparator);

} // namespace zorind
