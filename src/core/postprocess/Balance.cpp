#include "core/postprocess/Balance.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/exchange/ElasticityResults.h"

namespace zorind {

namespace {

using Vector = std::array<double, 2>;

// The group of `number` in `groups`, made when it is not there yet.
BalanceGroup& groupOf(std::map<int, BalanceGroup>& groups, int number)
{
    BalanceGroup& g = groups[number];
    g.number = number;
    return g;
}

std::vector<BalanceGroup> inOrder(const std::map<int, BalanceGroup>& groups)
{
    std::vector<BalanceGroup> out;
    for (const auto& entry : groups) {
        out.push_back(entry.second);
    }
    return out;
}

double elementLength(const Model& m, const Element& e)
{
    const Node& a = m.nodes[e.startNode];
    const Node& b = m.nodes[e.endNode];
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

// The smallest and largest value of the quadratic through u1, u2, u3 at
// ξ = −1, 0, 1 over [−1, 1]: at an end or at its vertex.
std::array<double, 2> quadraticRange(double u1, double u2, double u3)
{
    double low = std::min(u1, u3);
    double high = std::max(u1, u3);
    const double a = (u1 + u3) / 2.0 - u2; // U(ξ) = u2 + bξ + aξ²
    const double b = (u3 - u1) / 2.0;
    if (a != 0.0) {
        const double vertex = -b / (2.0 * a);
        if (vertex > -1.0 && vertex < 1.0) {
            const double u = u2 + b * vertex + a * vertex * vertex;
            low = std::min(low, u);
            high = std::max(high, u);
        }
    }
    return {low, high};
}

// The integral over an element of length L of the quadratic through a, m, b
// (Simpson's rule, exact for it).
double integral(double L, double a, double m, double b)
{
    return L * (a + 4.0 * m + b) / 6.0;
}

void addPotential(BalanceGroup& g, double L, const ResultRecord& u, const ResultRecord& q)
{
    const std::array<double, 2> range = quadraticRange(u.slot[1], u.slot[2], u.slot[3]);
    g.minPotential = g.elements == 0 ? range[0] : std::min(g.minPotential, range[0]);
    g.maxPotential = g.elements == 0 ? range[1] : std::max(g.maxPotential, range[1]);
    ++g.elements;
    g.length += L;
    g.flux += integral(L, q.slot[1], q.slot[2], q.slot[3]);
    // The length-weighted sum for now; divided by the length at the end.
    g.meanPotential += integral(L, u.slot[1], u.slot[2], u.slot[3]);
}

void finishMeans(std::vector<BalanceGroup>& groups)
{
    for (BalanceGroup& g : groups) {
        g.meanPotential = g.length > 0.0 ? g.meanPotential / g.length : g.minPotential;
    }
}

Balance potentialBalance(const Project& p)
{
    Balance balance;
    std::map<int, BalanceGroup> boundaries;
    std::map<int, BalanceGroup> conditions;
    double magnitudes = 0.0;
    for (int e : p.elements.numbers()) {
        const Element& el = p.elements[e];
        const double L = elementLength(p, el);
        addPotential(groupOf(boundaries, el.boundary), L, p.elementResults[e], p.fluxResults[e]);
        addPotential(groupOf(conditions, el.condition), L, p.elementResults[e], p.fluxResults[e]);
        const ResultRecord& q = p.fluxResults[e];
        magnitudes += std::fabs(integral(L, q.slot[1], q.slot[2], q.slot[3]));
    }
    balance.boundaries = inOrder(boundaries);
    balance.conditions = inOrder(conditions);
    finishMeans(balance.boundaries);
    finishMeans(balance.conditions);
    for (const BalanceGroup& g : balance.boundaries) {
        balance.totalFlux += g.flux;
    }
    balance.imbalance = magnitudes > 0.0 ? std::fabs(balance.totalFlux) / (magnitudes / 2.0) : 0.0;
    return balance;
}

// The moment about the origin of a force at a point.
double momentOf(const Node& at, const Vector& f)
{
    return static_cast<double>(at.x) * f[1] - static_cast<double>(at.y) * f[0];
}

void addForce(BalanceGroup& g, const Node& at, const Vector& f)
{
    g.force[0] += f[0];
    g.force[1] += f[1];
    g.moment += momentOf(at, f);
}

// A prescribed traction's share at the start and at the end of an element
// of length L: the traction weighted by each end's linear shape function,
// which carries its force and its moment exactly. The traction varies
// linearly between the element's end values, x and y, as the elasticity
// solver is given it (the middle values are not part of the problem).
std::array<Vector, 2> tractionShares(const BoundaryCondition& c, double L)
{
    return {Vector{L * (2.0 * c.atNode1 + c.atNode2) / 6.0, L * (2.0 * c.atNode1Y + c.atNode2Y) / 6.0},
            Vector{L * (c.atNode1 + 2.0 * c.atNode2) / 6.0, L * (c.atNode1Y + 2.0 * c.atNode2Y) / 6.0}};
}

bool prescribesDisplacement(const BoundaryCondition& c)
{
    return c.kind == 2.0f;
}

Balance elasticityBalance(const Project& p)
{
    Balance balance;
    balance.elasticity = true;
    // Per node: its force, the prescribed tractions' shares there and the
    // length of the held elements that meet there.
    std::map<int, Vector> force;
    std::map<int, Vector> load;
    std::map<int, double> heldLength;
    std::map<int, int> boundaryOfNode;
    for (const Element& el : p.elements) {
        const BoundaryCondition& c = p.conditions[el.condition];
        const double L = elementLength(p, el);
        const std::array<Vector, 2> shares = tractionShares(c, L);
        const int ends[2] = {el.startNode, el.endNode};
        for (int k = 0; k < 2; ++k) {
            const std::array<float, 9> v = elasticityValues(p, ends[k]);
            force[ends[k]] = {v[2], v[3]};
            boundaryOfNode.emplace(ends[k], el.boundary);
            Vector& l = load[ends[k]];
            if (prescribesDisplacement(c)) {
                heldLength[ends[k]] += L;
            } else {
                l[0] += shares[static_cast<std::size_t>(k)][0];
                l[1] += shares[static_cast<std::size_t>(k)][1];
            }
        }
    }
    std::map<int, BalanceGroup> boundaries;
    std::map<int, BalanceGroup> conditions;
    for (const Element& el : p.elements) {
        const BoundaryCondition& c = p.conditions[el.condition];
        const double L = elementLength(p, el);
        BalanceGroup& b = groupOf(boundaries, el.boundary);
        BalanceGroup& g = groupOf(conditions, el.condition);
        for (BalanceGroup* group : {&b, &g}) {
            ++group->elements;
            group->length += L;
        }
        const std::array<Vector, 2> shares = tractionShares(c, L);
        const int ends[2] = {el.startNode, el.endNode};
        for (int k = 0; k < 2; ++k) {
            const int n = ends[k];
            Vector f = shares[static_cast<std::size_t>(k)];
            if (prescribesDisplacement(c)) {
                const double part = heldLength[n] > 0.0 ? L / heldLength[n] : 0.0;
                f = {(force[n][0] - load[n][0]) * part, (force[n][1] - load[n][1]) * part};
            }
            addForce(g, p.nodes[n], f);
        }
    }
    // A boundary's force is its nodes' forces: the tractions on it exactly.
    double magnitudes = 0.0;
    for (const auto& [n, f] : force) {
        addForce(groupOf(boundaries, boundaryOfNode[n]), p.nodes[n], f);
        magnitudes += std::hypot(f[0], f[1]);
    }
    balance.boundaries = inOrder(boundaries);
    balance.conditions = inOrder(conditions);
    for (const BalanceGroup& b : balance.boundaries) {
        balance.totalForce[0] += b.force[0];
        balance.totalForce[1] += b.force[1];
        balance.totalMoment += b.moment;
    }
    const double net = std::hypot(balance.totalForce[0], balance.totalForce[1]);
    balance.imbalance = magnitudes > 0.0 ? net / (magnitudes / 2.0) : 0.0;
    balance.largestStress = largestReducedStress(p).value_or(LargestStress{});
    return balance;
}

// Whether every element's nodes and condition exist.
bool referencesHold(const Project& p)
{
    for (const Element& el : p.elements) {
        if (!p.nodes.contains(el.startNode) || !p.nodes.contains(el.endNode) || !p.conditions.contains(el.condition)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Balance> computeBalance(const Project& project)
{
    if (project.resultsValid != 1 || !referencesHold(project)) {
        return std::nullopt;
    }
    if (isPotentialAnalysis(project.analysisType)) {
        return potentialBalance(project);
    }
    if (project.analysisType == Elasticity) {
        return elasticityBalance(project);
    }
    return std::nullopt;
}

std::optional<LargestStress> largestReducedStress(const Project& project)
{
    if (project.resultsValid != 1 || project.analysisType != Elasticity) {
        return std::nullopt;
    }
    std::optional<LargestStress> largest;
    for (const Element& el : project.elements) {
        for (int n : {el.startNode, el.endNode}) {
            if (!project.nodes.contains(n)) {
                continue;
            }
            const double value = elasticityValues(project, n)[8];
            if (!largest || value > largest->value) {
                largest = LargestStress{n, value};
            }
        }
    }
    return largest;
}

} // namespace zorind
