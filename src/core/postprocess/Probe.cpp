#include "core/postprocess/Probe.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include "core/exchange/ElasticityResults.h"
#include "core/model/NumberFormat.h"
#include "core/exchange/StressMap.h"
#include "core/solver/Integration.h"
#include "core/solver/PotentialField.h"
#include "core/solver/Region.h"

namespace zorind {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The flux integral takes the ten-point rule on pieces no longer than the
// shortest element, and never more than this many pieces.
constexpr int kMaxFluxPieces = 20000;

double shortestElement(const Project& p)
{
    double shortest = std::numeric_limits<double>::infinity();
    for (const Element& el : p.elements) {
        if (p.nodes.contains(el.startNode) && p.nodes.contains(el.endNode)) {
            const Node& a = p.nodes[el.startNode];
            const Node& b = p.nodes[el.endNode];
            const double L = std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
            if (L > 0.0) {
                shortest = std::min(shortest, L);
            }
        }
    }
    return shortest;
}

// ∫ −k ∇u · n ds over the parts [t0, t1] of the segment in the region.
double fluxThrough(const solver::PotentialField& field, const ProbeSegment& s,
                   const std::vector<std::array<double, 2>>& parts, double piece)
{
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    const double length = std::hypot(dx, dy);
    const double nx = dy / length;
    const double ny = -dx / length;
    double flux = 0.0;
    for (const std::array<double, 2>& part : parts) {
        const double span = (part[1] - part[0]) * length;
        const int pieces = static_cast<int>(std::clamp(std::ceil(span / piece), 1.0, double{kMaxFluxPieces}));
        const double h = (part[1] - part[0]) / pieces;
        for (int k = 0; k < pieces; ++k) {
            const double centre = part[0] + (k + 0.5) * h;
            for (const solver::GaussPoint& gp : solver::kGaussPoints) {
                const double t = centre + 0.5 * h * gp.abscissa;
                const std::array<double, 2> g = field.gradient(s.x0 + t * dx, s.y0 + t * dy);
                flux -= gp.weight * 0.5 * h * length * field.conductivity() * (g[0] * nx + g[1] * ny);
            }
        }
    }
    return flux;
}

bool potentialSamples(const Project& p, const solver::Region& region, const ProbeSegment& s,
                      const std::vector<std::array<double, 2>>& parts, Probe& probe)
{
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    if (!field) {
        return false;
    }
    const double length = std::hypot(s.x1 - s.x0, s.y1 - s.y0);
    const double nx = (s.y1 - s.y0) / length;
    const double ny = -(s.x1 - s.x0) / length;
    for (ProbeSample& sample : probe.samples) {
        sample.inside = region.contains(sample.x, sample.y);
        if (sample.inside) {
            sample.value = field->potential(sample.x, sample.y);
            sample.gradient = field->gradient(sample.x, sample.y);
            sample.normalFlux = -field->conductivity() * (sample.gradient[0] * nx + sample.gradient[1] * ny);
        } else {
            sample.value = kNaN;
            sample.gradient = {kNaN, kNaN};
            sample.normalFlux = kNaN;
        }
    }
    probe.flux = fluxThrough(*field, s, parts, shortestElement(p));
    return true;
}

// The results at a point on the boundary: along the nearest element,
// linearly between its nodes' results.
void boundarySample(const Project& p, const solver::Region& region, ProbeSample& sample)
{
    const solver::Region::Nearest nearest = region.nearest(sample.x, sample.y);
    const Element& el = p.elements[nearest.element];
    const std::array<float, 9> a = elasticityValues(p, el.startNode);
    const std::array<float, 9> b = elasticityValues(p, el.endNode);
    const auto at = [&](std::size_t k) {
        return (1.0 - nearest.t) * static_cast<double>(a[k]) + nearest.t * static_cast<double>(b[k]);
    };
    sample.displacement = {at(0), at(1)};
    sample.stress = {at(4), at(5), at(7), at(6), at(8)};
}

std::string elasticitySamples(const Project& p, const solver::Region& region, const ElasticSolver& solve, Probe& probe)
{
    std::optional<contract::ElasticProblem> problem = stressMapProblem(p);
    if (!problem) {
        return kProbeNoResultsMessage;
    }
    std::vector<std::size_t> asked;
    for (std::size_t i = 0; i < probe.samples.size(); ++i) {
        ProbeSample& sample = probe.samples[i];
        sample.inside = region.contains(sample.x, sample.y);
        sample.displacement = {kNaN, kNaN};
        sample.stress = {kNaN, kNaN, kNaN, kNaN, kNaN};
        if (sample.inside) {
            asked.push_back(i);
            problem->internalPoints.push_back({sample.x, sample.y});
        }
    }
    contract::ElasticSolution solution;
    try {
        solution = solve(*problem);
    } catch (const std::exception& refusal) {
        return refusal.what();
    }
    for (std::size_t k = 0; k < asked.size(); ++k) {
        ProbeSample& sample = probe.samples[asked[k]];
        // The solver leaves out a point on the boundary; the boundary's own
        // results stand there.
        if (k >= solution.points.size() || solution.points[k].skipped) {
            boundarySample(p, region, sample);
            continue;
        }
        const contract::PointResult& r = solution.points[k];
        sample.displacement = {r.ux, r.uy};
        sample.stress = r.stress;
    }
    return {};
}

} // namespace

ProbeOutcome probeSegment(const Project& project, const ProbeSegment& segment, int intervals,
                          const ElasticSolver& solve)
{
    ProbeOutcome outcome;
    const double dx = segment.x1 - segment.x0;
    const double dy = segment.y1 - segment.y0;
    const double length = std::hypot(dx, dy);
    if (!std::isfinite(length) || !std::isfinite(segment.x0) || !std::isfinite(segment.y0)) {
        outcome.refusal = kProbeBadCoordinatesMessage;
        return outcome;
    }
    if (length == 0.0) {
        outcome.refusal = kProbeZeroLengthMessage;
        return outcome;
    }
    const bool elasticity = project.analysisType == Elasticity;
    if (project.resultsValid != 1 || !(isPotentialAnalysis(project.analysisType) || elasticity)) {
        outcome.refusal = kProbeNoResultsMessage;
        return outcome;
    }
    const solver::Region region(project);
    const std::vector<std::array<double, 2>> parts =
        region.insideIntervals({segment.x0, segment.y0}, {segment.x1, segment.y1});
    if (parts.empty()) {
        outcome.refusal = kProbeOutsideMessage;
        return outcome;
    }
    Probe probe;
    probe.elasticity = elasticity;
    const int n = std::clamp(intervals, 1, kMaxProbeIntervals);
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        ProbeSample sample;
        sample.s = t * length;
        sample.x = segment.x0 + t * dx;
        sample.y = segment.y0 + t * dy;
        probe.samples.push_back(sample);
    }
    for (const std::array<double, 2>& part : parts) {
        probe.insideLength += (part[1] - part[0]) * length;
    }
    if (elasticity) {
        outcome.refusal = elasticitySamples(project, region, solve, probe);
    } else if (!potentialSamples(project, region, segment, parts, probe)) {
        outcome.refusal = kProbeNoResultsMessage;
    }
    if (outcome.refusal.empty()) {
        outcome.probe = std::move(probe);
    }
    return outcome;
}

ListColumns probeColumns(const Probe& probe)
{
    ListColumns table;
    table.headings = {"s", "x", "y", "w obszarze"};
    const std::vector<std::string> results =
        probe.elasticity ? std::vector<std::string>{"przem.X", "przem.Y", "sig.X", "sig.Y", "sig.Z", "tau XY",
                                                    "sig.red."}
                         : std::vector<std::string>{"Potencjał", "grad X", "grad Y", "Strumień normalny"};
    table.headings.insert(table.headings.end(), results.begin(), results.end());
    const auto number = [](double v) { return formatGeneral(v, 9); };
    for (const ProbeSample& p : probe.samples) {
        ListRow row;
        row.text(number(p.s)).text(number(p.x)).text(number(p.y)).text(p.inside ? "1" : "0");
        const std::vector<double> values =
            probe.elasticity ? std::vector<double>{p.displacement[0], p.displacement[1], p.stress.sx, p.stress.sy,
                                                   p.stress.sz, p.stress.txy, p.stress.reduced}
                             : std::vector<double>{p.value, p.gradient[0], p.gradient[1], p.normalFlux};
        for (double v : values) {
            row.text(p.inside && std::isfinite(v) ? number(v) : std::string());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace zorind
