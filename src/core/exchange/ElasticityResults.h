#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/lists/ListColumns.h"
#include "core/session/Project.h"

namespace zorind {

// --- "Lista wyników" of an elasticity analysis (ElasticResultsList) ------------------

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

// --- "Wyniki w punktach wewnętrznych" (InternalPointResultsList) ----------------------------

inline constexpr const char* kInternalPointResultsTitle = "Wyniki w punktach wewnętrznych";
inline constexpr std::array<const char*, 10> kInternalPointResultHeaders{
    "Nr pkt.", "x", "y", "przem.X", "przem.Y", "sig.X", "sig.Y", "tau XY", "sig.Z", "sig.red."};

// The seven values of internal point `point` in the list's column order:
// displacement x, y, sigma x, sigma y, tau xy, sigma z, reduced stress.
std::array<float, 7> internalPointValues(const Project& project, int point);

// The list: the headings, and per internal point its number, x, y and the
// seven values, shown as formatElasticityValue writes them and copied as
// copiedNumber does. The values only while hasInternalPointResults holds,
// so that none of an earlier model is listed; their cells are empty
// otherwise.
ListColumns internalPointResultColumns(const Project& project, char decimalSeparator);

// --- The elasticity results on the drawing ---------------------------------

// The factor the deformed boundary is drawn with: the largest displacement
// of a node of an element drawn as a tenth of the model's size (the larger
// side of the box around those nodes). Nothing without valid elasticity
// results, or when no node moves.
std::optional<double> displacementFactor(const Project& project);

// The factor as the status bar shows it, e.g. "Skala przemieszczeń: 1234,5".
inline constexpr const char* kDisplacementFactorLabel = "Skala przemieszczeń: ";
std::string displacementFactorText(double factor, char decimalSeparator);

// The colour scale of the reduced stress over the nodes of the elements.
ColourScaleRange reducedStressRange(const Project& project);

} // namespace zorind
