#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "contract/ElasticProblem.h"
#include "core/exchange/ElasticSolve.h"
#include "core/lists/ListColumns.h"
#include "core/session/Project.h"

namespace zorind {

inline constexpr const char* kProbeZeroLengthMessage = "Odcinek ma zerową długość";
inline constexpr const char* kProbeOutsideMessage = "Odcinek leży w całości poza obszarem";
inline constexpr const char* kProbeBadCoordinatesMessage = "Współrzędne końców odcinka muszą być liczbami";
inline constexpr const char* kProbeNoResultsMessage = "Projekt nie obliczony";
inline constexpr int kDefaultProbeIntervals = 100;
inline constexpr int kMaxProbeIntervals = 100000;

// A segment of the model's plane, from (x0, y0) to (x1, y1).
struct ProbeSegment {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
};

// One point of a probe: its distance s from the segment's start, its
// position, whether it lies in the region (its boundary included), and
// there the results. Potential: the value and its gradient. Elasticity: the
// displacement and the stresses. NaN outside the region.
struct ProbeSample {
    double s = 0.0;
    double x = 0.0;
    double y = 0.0;
    bool inside = false;
    double value = 0.0;
    std::array<double, 2> gradient{0.0, 0.0};
    // The flux through the segment there, −k ∇u · n (n as for `flux`).
    double normalFlux = 0.0;
    std::array<double, 2> displacement{0.0, 0.0};
    contract::Stress stress;
};

// The results along a segment. `flux` (potential only) is the flux through
// the segment's parts in the region, ∫ −k ∇u · n ds, with n the unit normal
// on the right of the direction from start to end (as an element's outward
// normal lies on its right).
struct Probe {
    bool elasticity = false;
    std::vector<ProbeSample> samples;
    double flux = 0.0;
    double insideLength = 0.0;
};

struct ProbeOutcome {
    std::optional<Probe> probe;
    std::string refusal; // why there is no probe
};

// The results at `intervals` + 1 equally spaced points of the segment (1 to
// kMaxProbeIntervals intervals), from the project's valid results:
// potential by the representation the field map uses, with its gradient
// (the same care near the boundary); elasticity by the internal points of
// the problem solved again through `solve`, and on the boundary along each
// element between its nodes' results. Refused: an end that is not a finite
// number, a segment of zero length, one that has no part in the region;
// results that are not valid.
ProbeOutcome probeSegment(const Project& project, const ProbeSegment& segment, int intervals,
                          const ElasticSolver& solve);

// The points of a probe as a list, for copying: s, x, y, whether inside (1
// or 0) and the results (potential: value, gradient x and y, normal flux;
// elasticity: the displacements and the stresses as the results lists
// order them), each with nine significant digits and a decimal point; the
// results of a point outside the region empty.
ListColumns probeColumns(const Probe& probe);

} // namespace zorind
