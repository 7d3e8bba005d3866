#include "elastic/Assembly.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

namespace {

// One term of the equation: a block times the displacement of a point or the
// traction in a slot.
struct Term {
    bool traction = false;
    std::size_t index = 0; // point, or traction slot
    Block block{};
    double factor = 1.0; // displacement terms only
};

// The integrals of the elements that do not hold one collocation point, with
// the storage of their Gauss points: kept from one point to the next.
struct RegularIntegrals {
    ElementPoints points;
    std::vector<ElementIntegrals> integrals;
};

// The terms in element order, each element's displacement terms before its
// traction terms. At a node, the free term and the principal value come last,
// from rigid-body translation: they balance every other displacement term.
void collocationTerms(const Material& mat, const Boundary& b, const CollocationPoint& cp, RegularIntegrals& regular,
                      std::vector<Term>& terms)
{
    // The elements away from the point first, all of them in one pass.
    auto ownElement = [&](const ElementGeometry& g, std::size_t e) {
        return (cp.node >= 0 && (g.start == cp.node || g.end == cp.node)) || cp.element == static_cast<int>(e);
    };
    regular.points.clear();
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const ElementGeometry& g = b.elements[e];
        if (ownElement(g, e)) {
            continue;
        }
        if (distanceToSegment(cp.p, g, 0.0, g.length) <= 1e-9 * g.length) {
            throw ElasticError((cp.node >= 0 ? "Węzeł " + std::to_string(cp.node + 1)
                                             : "Element " + std::to_string(cp.element + 1) + " w pobliżu węzła") +
                               " leży na elemencie " + std::to_string(e + 1) + ": elementy brzegu nakładają się");
        }
        regular.points.add(cp.p, g, e);
    }
    regular.points.finish();
    regular.integrals.resize(regular.points.element.size());
    integrateKelvin(mat, cp.p, b.elements, regular.points, regular.integrals.data());

    terms.clear();
    Block rowSum{};
    std::size_t nextRegular = 0;
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const ElementGeometry& g = b.elements[e];
        const std::array<std::size_t, 3> points = b.elementPoints(e);
        ElementIntegrals in;
        if (cp.node >= 0 && (g.start == cp.node || g.end == cp.node)) {
            in = integrateOwn(mat, g, g.start == cp.node ? 0.0 : g.length);
        } else if (cp.element == static_cast<int>(e)) {
            in = integrateOwn(mat, g, cp.s0);
            // The free term of a point where the boundary is smooth.
            const Block half = {{{0.5, 0.0}, {0.0, 0.5}}};
            const std::array<double, 3> n = shapeFunctions(cp.s0 / g.length);
            for (std::size_t k = 0; k < 3; ++k) {
                terms.push_back({false, points[k], half, n[k]});
            }
        } else {
            in = regular.integrals[nextRegular++];
        }
        for (std::size_t k = 0; k < 3; ++k) {
            if (static_cast<int>(points[k]) != cp.node) {
                terms.push_back({false, points[k], in.t[k], 1.0});
                addScaled(rowSum, in.t[k], 1.0);
            }
        }
        for (int k = 0; k < 3; ++k) {
            terms.push_back({true, slot(e, k), in.u[static_cast<std::size_t>(k)], 1.0});
        }
    }
    if (cp.node >= 0) {
        terms.push_back({false, static_cast<std::size_t>(cp.node), rowSum, -1.0});
    }
}

// The column of component j of a term's unknown; -1 where it is known.
int columnOf(const Term& term, const Unknowns& u, std::size_t j)
{
    if (!term.traction) {
        return u.displacementColumn[term.index][j];
    }
    return u.tractionColumn[static_cast<std::size_t>(u.slotTraction[term.index][j])];
}

// Each term into the rows of the point's equations: times its unknown's
// column, or times its known value into the load of the system.
void addTerms(const std::vector<Term>& terms, const Unknowns& u, double scale, const CollocationPoint& cp,
              LinearSystem& s)
{
    for (const Term& term : terms) {
        for (std::size_t j = 0; j < 2; ++j) {
            const int column = columnOf(term, u, j);
            double known = 0.0;
            if (column < 0) {
                known = term.traction ? u.tractions[static_cast<std::size_t>(u.slotTraction[term.index][j])].value
                                      : component(u.displacement[term.index], static_cast<int>(j));
            }
            for (std::size_t i = 0; i < 2; ++i) {
                if (cp.rows[i] < 0) {
                    continue;
                }
                const Eigen::Index r = cp.rows[i];
                if (column >= 0) {
                    s.a(r, column) += term.traction ? -scale * term.block[i][j] : term.factor * term.block[i][j];
                } else {
                    s.rhs(r) += term.traction ? term.block[i][j] * known : -term.factor * term.block[i][j] * known;
                }
            }
        }
    }
}

} // namespace

double tractionScale(const Material& mat, const Boundary& b)
{
    return std::ldexp(mat.mu, -std::ilogb(b.size));
}

LinearSystem assembleSystem(const Material& mat, const Boundary& b, const Unknowns& u)
{
    const auto rows = static_cast<Eigen::Index>(u.count);
    LinearSystem s{RowMajorMatrix::Zero(rows, rows), Eigen::VectorXd::Zero(rows)};
    const double scale = tractionScale(mat, b);
    std::vector<Term> terms;
    RegularIntegrals regular;
    for (const CollocationPoint& cp : u.points) {
        collocationTerms(mat, b, cp, regular, terms);
        addTerms(terms, u, scale, cp, s);
    }
    if (!s.a.allFinite() || !s.rhs.allFinite()) {
        throw ElasticError("Nie można scałkować brzegu: sprawdź, czy elementy nie przecinają się ani nie nakładają");
    }
    return s;
}

} // namespace zorind::elastic::bem
