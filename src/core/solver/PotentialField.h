#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/model/Model.h"
#include "core/solver/Integration.h"

namespace zorind::solver {

// The potential anywhere in the region from a boundary solution, by the
// representation the internal points use: u = Σ H·u − Σ G·q over the
// boundary elements, each element with its own three potentials and fluxes.
// Far from an element its integrals take a Gauss rule of four or eight
// points by the distance; closer than two element lengths the element is cut
// in halves until each piece lies at least its own length from the point, so
// the value stays right up to the boundary. A copy of what it needs: it holds no reference to the model and
// can be evaluated in any thread.
class PotentialField {
public:
    // The field of the model's valid potential results; nothing when the
    // results are not valid potential results or an element refers outside
    // the tables.
    static std::optional<PotentialField> fromModel(const Model& model);

    // Whether the point lies in the region: inside an outer boundary and
    // outside every inner one, by the crossings of a ray towards +x with each
    // boundary's elements (an element counts when exactly one of its ends lies
    // above the point, so a point at a vertex's height is counted once).
    bool inside(double x, double y) const;

    // The potential at a point of the region (a point on an element gets the
    // element's own interpolated value).
    double potential(double x, double y) const;

    // The potential at each point inside the region, NaN at each point
    // outside it, on every core. Stops early (leaving the rest unset) once
    // `cancel` is set; `done`, when given, counts the points finished.
    void evaluate(const double* x, const double* y, double* out, std::size_t count,
                  const std::atomic<bool>* cancel = nullptr, std::atomic<std::size_t>* done = nullptr) const;

    // The gradient of the potential at a point of the region: the
    // representation differentiated at the point, each element integrated as
    // potential() integrates it (the near ones piece by piece). Within half
    // an element's length of the boundary the differentiated representation
    // shows the elements' facets and the seams of their interpolation (the
    // nodal fluxes of a circle's polygon dip at its corners), finer than
    // the solution resolves; there the gradient is continued linearly along
    // the line from the nearest boundary point through the point, from half
    // and one element's length in, so that it stays as right as the value up
    // to the boundary.
    std::array<double, 2> gradient(double x, double y) const;

    // The conductivity the fluxes were computed with (1 in place of a value
    // that is not positive).
    double conductivity() const { return conductivity_; }

    // The bounding box of the boundary nodes.
    double xmin() const { return xmin_; }
    double xmax() const { return xmax_; }
    double ymin() const { return ymin_; }
    double ymax() const { return ymax_; }
    int elementCount() const { return static_cast<int>(x1_.size()); }
    // A hash of everything the values depend on: two fields with the same
    // fingerprint give the same values (short of a collision).
    std::uint64_t fingerprint() const;

private:
    PotentialField() = default;
    // The Gauss rule of `vectors` whole vectors of four points, its points
    // on every element: position, the element's normal times its length, and
    // the weights the potentials and fluxes give them.
    struct Rule {
        explicit Rule(std::size_t vectors);
        std::size_t vectors;
        std::vector<GaussPoint> points;
        std::vector<double> x, y, nx, ny, u, q;
        void add(double x1, double y1, double x3, double y3, double L, const double* u3, const double* q3,
                 double conductivity);
        // The listed elements' share of the value at (px, py).
        double sum(const std::vector<std::uint32_t>& elements, double px, double py) const;
    };
    // Where a horizontal line crosses the boundaries: the crossings' x of
    // boundary b (in the order of the crossing edges) end at boundaryEnd[b].
    struct Crossings {
        double y = 0.0;
        bool valid = false;
        std::vector<double> x;
        std::vector<std::size_t> boundaryEnd;
    };
    void crossingsAt(double y, Crossings& out) const;
    // inside() at (x, y) from the crossings at y.
    bool insideBy(double x, const Crossings& crossings) const;

    // The elements one point's evaluation takes by each rule, and the
    // crossings of the row it lies on.
    struct Scratch {
        Crossings crossings;
        std::vector<std::uint32_t> far;
        std::vector<std::uint32_t> middle;
        std::vector<std::uint32_t> near;
    };

    // Adds the integrals of element e over ξ in [a, b] (ten-point rule on
    // halves until each piece is far enough from the point).
    double nearElement(std::size_t e, double px, double py, double a, double b, int depth) const;
    // The value at one point.
    double valueAt(double px, double py, Scratch& scratch) const;

    // The gradient's share of element e over ξ in [a, b] (ten-point rule on
    // halves until each piece is far enough from the point), added to g.
    void nearElementGradient(std::size_t e, double px, double py, double a, double b, int depth,
                             std::array<double, 2>& g) const;
    // The gradient's share of element e by a rule's points on it, added to g.
    static void ruleGradient(const Rule& rule, std::size_t e, double px, double py, std::array<double, 2>& g);
    // The gradient element e's own values give at ξ on it: along it the
    // slope of its potentials, across it minus its flux over the
    // conductivity (the flux is positive out of the region).
    std::array<double, 2> elementGradient(std::size_t e, double xi) const;
    // The representation differentiated at the point; a point within a
    // millionth of an element's length of an element gets the element's own.
    std::array<double, 2> representationGradient(double px, double py) const;
    // The nearest point of the boundary: its element, the parameter in
    // [0, 1] along it, the distance.
    static constexpr std::size_t kNoElement = static_cast<std::size_t>(-1);
    struct BoundaryPoint {
        std::size_t element = kNoElement;
        double t = 0.0;
        double distance = 0.0;
    };
    BoundaryPoint nearestBoundaryPoint(double px, double py) const;
    // The unit direction into the region from the boundary point b towards
    // the point; on the boundary across the element (at a node, across both
    // elements that meet there).
    std::array<double, 2> inwardDirection(double px, double py, const BoundaryPoint& b) const;

    // Element e's ends, length, outward normal times L (Δy, −Δx), its three
    // potentials and fluxes, and its boundary's kind.
    std::vector<double> x1_, y1_, x3_, y3_, length_, nx_, ny_;
    std::vector<double> u1_, u2_, u3_, q1_, q2_, q3_;
    // The same ends and the vectors to the other end with their squared
    // lengths, in whole vectors of four for the sorting by distance.
    std::vector<double> ax_, ay_, abx_, aby_, length2_;
    Rule farRule_{1};    // four points
    Rule middleRule_{2}; // eight points
    // Crossing edges per boundary: [edgeStart_[b], edgeStart_[b+1]) of the
    // edge arrays, boundaryOuter_[b] whether boundary b bounds from outside.
    std::vector<double> ex1_, ey1_, ex2_, ey2_;
    std::vector<std::size_t> edgeStart_;
    std::vector<unsigned char> boundaryOuter_;
    double conductivity_ = 1.0;
    double xmin_ = 0.0, xmax_ = 0.0, ymin_ = 0.0, ymax_ = 0.0;
};

} // namespace zorind::solver
