#include "core/solver/PotentialField.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

#include "core/solver/Integration.h"
#include "kernels/VectorMath.h"

namespace zorind::solver {

using namespace kernels;

namespace {

// Points to take in one go from the shared counter of a multi-threaded
// evaluation: enough to keep the counter cold, few enough to share out the
// points near the boundary, which cost more.
constexpr std::size_t kChunk = 64;

// The squared distance from (px, py) to the segment (ax, ay)–(bx, by), and
// the parameter t in [0, 1] of its nearest point.
double segmentDistance2(double px, double py, double ax, double ay, double bx, double by, double& t)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    t = len2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double cx = ax + t * dx - px;
    const double cy = ay + t * dy - py;
    return cx * cx + cy * cy;
}

// The Gauss–Legendre rule of n points on [-1, 1]: each abscissa by Newton's
// method on the Legendre polynomial from the classic first guess, to the
// last bit.
std::vector<GaussPoint> gaussLegendre(int n)
{
    std::vector<GaussPoint> rule;
    for (int i = 1; i <= n; ++i) {
        double x = std::cos(kPi * (i - 0.25) / (n + 0.5));
        double derivative = 1.0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double p0 = 1.0;
            double p1 = x;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2.0 * k - 1.0) * x * p1 - (k - 1.0) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1.0);
            const double step = p1 / derivative;
            x -= step;
            if (std::fabs(step) < 1e-17) {
                break;
            }
        }
        rule.push_back({x, 2.0 / ((1.0 - x * x) * derivative * derivative)});
    }
    return rule;
}

// Sorts the elements by their distance from (px, py) into those four
// lengths away or more (far), those from two lengths (middle) and the rest
// (near), four elements at a time. The elements' arrays hold whole vectors
// (the last filled up with copies); only the first `count` are sorted.
// Without a division: the distance to the segment's inside is compared
// through the cross product, d² = cross² / |ab|².
ZORIND_VECTOR_CLONES
void classify(std::size_t count, const double* ax, const double* ay, const double* abx, const double* aby,
              const double* length2, double px, double py, std::vector<std::uint32_t>& far,
              std::vector<std::uint32_t>& middle, std::vector<std::uint32_t>& near)
{
    for (std::size_t e = 0; e < count; e += 4) {
        Vec4 x, y, dx, dy, l2;
        load4(x, ax + e);
        load4(y, ay + e);
        load4(dx, abx + e);
        load4(dy, aby + e);
        load4(l2, length2 + e);
        const Vec4 rx = px - x;
        const Vec4 ry = py - y;
        const Vec4 along = rx * dx + ry * dy;
        const Vec4 cross = rx * dy - ry * dx;
        // Beyond an end the nearest point is that end.
        const Vec4 bx = rx - dx;
        const Vec4 by = ry - dy;
        const Vec4 toA = rx * rx + ry * ry;
        const Vec4 toB = bx * bx + by * by;
        const Vec4 inside = cross * cross;
        // d² ≥ c·L² as d²·L² ≥ c·L⁴ inside, d² ≥ c·L² beyond the ends.
        const Int4 beforeA = along <= 0.0;
        const Int4 beyondB = along >= l2;
        const Vec4 d2 = beforeA ? toA : (beyondB ? toB : inside);
        const Vec4 scale = (beforeA | beyondB) ? Vec4{1.0, 1.0, 1.0, 1.0} : l2;
        const Int4 isFar = d2 >= 16.0 * l2 * scale;
        const Int4 isMiddle = d2 >= 4.0 * l2 * scale;
        for (std::size_t lane = 0; lane < 4 && e + lane < count; ++lane) {
            const auto index = static_cast<std::uint32_t>(e + lane);
            if (isFar[lane] != 0) {
                far.push_back(index);
            } else if (isMiddle[lane] != 0) {
                middle.push_back(index);
            } else {
                near.push_back(index);
            }
        }
    }
}

// Σ over the rule points i of the listed elements of gu·(r·n)/r² + gq·ln r²,
// r from the point to (gx, gy); each element owns `vectors` whole vectors of
// points from vectors·4·e on.
ZORIND_VECTOR_CLONES
double ruleSum(const std::uint32_t* elements, std::size_t count, std::size_t vectors, const double* gx,
               const double* gy, const double* nx, const double* ny, const double* gu, const double* gq, double px,
               double py)
{
    Vec4 sum = {0.0, 0.0, 0.0, 0.0};
    // The rule's points lie two element lengths or more from the point; the
    // floor only guards against a degenerate element.
    const Vec4 floor = {1e-300, 1e-300, 1e-300, 1e-300};
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t first = 4 * vectors * elements[k];
        for (std::size_t i = first; i < first + 4 * vectors; i += 4) {
            Vec4 x, y, ax, ay, u, q;
            load4(x, gx + i);
            load4(y, gy + i);
            load4(ax, nx + i);
            load4(ay, ny + i);
            load4(u, gu + i);
            load4(q, gq + i);
            const Vec4 dx = x - px;
            const Vec4 dy = y - py;
            Vec4 r2 = dx * dx + dy * dy;
            r2 = r2 > floor ? r2 : floor;
            // The floor keeps every lane a positive normal number.
            Vec4 lnR2 = r2;
            log4PositiveNormal(lnR2);
            sum += u * (dx * ax + dy * ay) / r2 + q * lnR2;
        }
    }
    return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

} // namespace

std::optional<PotentialField> PotentialField::fromModel(const Model& model)
{
    if (model.resultsValid != 1 || !isPotentialAnalysis(model.analysisType) || model.elementCount() <= 0) {
        return std::nullopt;
    }
    PotentialField f;
    const int ne = model.elementCount();
    f.conductivity_ = model.conductivity > 0.0f ? static_cast<double>(model.conductivity) : 1.0;
    const double k = f.conductivity_;

    // Edges grouped by boundary number, in the order the numbers come.
    std::vector<int> boundaryOf;
    std::vector<std::vector<int>> edgesOf;
    for (int e = 1; e <= ne; ++e) {
        const Element& el = model.elements[e];
        if (!model.nodes.contains(el.startNode) || !model.nodes.contains(el.endNode)) {
            return std::nullopt;
        }
        const auto found = std::find(boundaryOf.begin(), boundaryOf.end(), el.boundary);
        const auto index = static_cast<std::size_t>(found - boundaryOf.begin());
        if (found == boundaryOf.end()) {
            boundaryOf.push_back(el.boundary);
            edgesOf.emplace_back();
        }
        edgesOf[index].push_back(e);
    }
    f.edgeStart_.push_back(0);
    for (std::size_t b = 0; b < boundaryOf.size(); ++b) {
        const int number = boundaryOf[b];
        const bool inner = model.boundaries.contains(number) && model.boundaries[number].kind == InnerBoundary;
        f.boundaryOuter_.push_back(inner ? 0 : 1);
        for (int e : edgesOf[b]) {
            const Node& s = model.nodes[model.elements[e].startNode];
            const Node& t = model.nodes[model.elements[e].endNode];
            f.ex1_.push_back(s.x);
            f.ey1_.push_back(s.y);
            f.ex2_.push_back(t.x);
            f.ey2_.push_back(t.y);
        }
        f.edgeStart_.push_back(f.ex1_.size());
    }

    f.xmin_ = f.ymin_ = std::numeric_limits<double>::infinity();
    f.xmax_ = f.ymax_ = -std::numeric_limits<double>::infinity();
    for (int e = 1; e <= ne; ++e) {
        const Node& s = model.nodes[model.elements[e].startNode];
        const Node& t = model.nodes[model.elements[e].endNode];
        const double x1 = s.x;
        const double y1 = s.y;
        const double x3 = t.x;
        const double y3 = t.y;
        const double L = std::hypot(x3 - x1, y3 - y1);
        const ResultRecord& pr = model.elementResults[e];
        const ResultRecord& fr = model.fluxResults[e];
        const double u[3] = {pr.slot[1], pr.slot[2], pr.slot[3]};
        const double q[3] = {fr.slot[1], fr.slot[2], fr.slot[3]};
        f.x1_.push_back(x1);
        f.y1_.push_back(y1);
        f.x3_.push_back(x3);
        f.y3_.push_back(y3);
        f.length_.push_back(L);
        f.nx_.push_back(y3 - y1);
        f.ny_.push_back(x1 - x3);
        f.u1_.push_back(u[0]);
        f.u2_.push_back(u[1]);
        f.u3_.push_back(u[2]);
        f.q1_.push_back(q[0]);
        f.q2_.push_back(q[1]);
        f.q3_.push_back(q[2]);
        f.xmin_ = std::min({f.xmin_, x1, x3});
        f.xmax_ = std::max({f.xmax_, x1, x3});
        f.ymin_ = std::min({f.ymin_, y1, y3});
        f.ymax_ = std::max({f.ymax_, y1, y3});
        f.farRule_.add(x1, y1, x3, y3, L, u, q, k);
        f.middleRule_.add(x1, y1, x3, y3, L, u, q, k);
    }
    // The sorting by distance reads whole vectors: the last one filled up
    // with copies of the last element.
    for (std::size_t e = 0; e < f.x1_.size(); ++e) {
        f.abx_.push_back(f.x3_[e] - f.x1_[e]);
        f.aby_.push_back(f.y3_[e] - f.y1_[e]);
        f.length2_.push_back(f.abx_[e] * f.abx_[e] + f.aby_[e] * f.aby_[e]);
    }
    f.ax_ = f.x1_;
    f.ay_ = f.y1_;
    while (f.ax_.size() % 4 != 0) {
        f.ax_.push_back(f.ax_.back());
        f.ay_.push_back(f.ay_.back());
        f.abx_.push_back(f.abx_.back());
        f.aby_.push_back(f.aby_.back());
        f.length2_.push_back(f.length2_.back());
    }
    for (const std::vector<double>* v : {&f.farRule_.u, &f.farRule_.q, &f.middleRule_.u, &f.middleRule_.q}) {
        for (double value : *v) {
            if (!std::isfinite(value)) {
                return std::nullopt;
            }
        }
    }
    return f;
}

PotentialField::Rule::Rule(std::size_t vectorCount)
    : vectors(vectorCount), points(gaussLegendre(static_cast<int>(4 * vectorCount)))
{
}

void PotentialField::Rule::add(double x1, double y1, double x3, double y3, double L, const double* u3,
                               const double* q3, double k)
{
    for (const GaussPoint& gp : points) {
        const double xi = gp.abscissa;
        const double n1 = xi * (xi - 1.0) / 2.0;
        const double n2 = (1.0 - xi) * (1.0 + xi);
        const double n3 = xi * (xi + 1.0) / 2.0;
        x.push_back((1.0 - xi) / 2.0 * x1 + (1.0 + xi) / 2.0 * x3);
        y.push_back((1.0 - xi) / 2.0 * y1 + (1.0 + xi) / 2.0 * y3);
        nx.push_back(y3 - y1);
        ny.push_back(x1 - x3);
        u.push_back(gp.weight * (n1 * u3[0] + n2 * u3[1] + n3 * u3[2]) / (4.0 * kPi));
        q.push_back(gp.weight * L * (n1 * q3[0] + n2 * q3[1] + n3 * q3[2]) / (8.0 * kPi * k));
    }
}

double PotentialField::Rule::sum(const std::vector<std::uint32_t>& elements, double px, double py) const
{
    return ruleSum(elements.data(), elements.size(), vectors, x.data(), y.data(), nx.data(), ny.data(), u.data(),
                   q.data(), px, py);
}

std::uint64_t PotentialField::fingerprint() const
{
    // FNV-1a over the bytes of every array.
    std::uint64_t h = 14695981039346656037ULL;
    const auto mix = [&h](const void* data, std::size_t bytes) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < bytes; ++i) {
            h = (h ^ p[i]) * 1099511628211ULL;
        }
    };
    for (const std::vector<double>* v : {&x1_, &y1_, &x3_, &y3_, &u1_, &u2_, &u3_, &q1_, &q2_, &q3_, &ex1_, &ey1_}) {
        const std::size_t n = v->size();
        mix(&n, sizeof n);
        mix(v->data(), n * sizeof(double));
    }
    mix(edgeStart_.data(), edgeStart_.size() * sizeof(std::size_t));
    mix(boundaryOuter_.data(), boundaryOuter_.size());
    mix(&conductivity_, sizeof conductivity_);
    return h;
}

void PotentialField::crossingsAt(double y, Crossings& out) const
{
    out.y = y;
    out.valid = true;
    out.x.clear();
    out.boundaryEnd.clear();
    for (std::size_t b = 0; b + 1 < edgeStart_.size(); ++b) {
        for (std::size_t i = edgeStart_[b]; i < edgeStart_[b + 1]; ++i) {
            const double ay = ey1_[i];
            const double by = ey2_[i];
            if ((ay > y) != (by > y)) {
                out.x.push_back(ex1_[i] + (y - ay) * (ex2_[i] - ex1_[i]) / (by - ay));
            }
        }
        out.boundaryEnd.push_back(out.x.size());
    }
}

bool PotentialField::insideBy(double x, const Crossings& crossings) const
{
    bool inOuter = false;
    std::size_t first = 0;
    for (std::size_t b = 0; b < crossings.boundaryEnd.size(); ++b) {
        bool odd = false;
        for (std::size_t i = first; i < crossings.boundaryEnd[b]; ++i) {
            if (x < crossings.x[i]) {
                odd = !odd;
            }
        }
        first = crossings.boundaryEnd[b];
        if (odd && boundaryOuter_[b] == 0) {
            return false;
        }
        inOuter = inOuter || (odd && boundaryOuter_[b] != 0);
    }
    return inOuter;
}

bool PotentialField::inside(double x, double y) const
{
    Crossings crossings;
    crossingsAt(y, crossings);
    return insideBy(x, crossings);
}

double PotentialField::nearElement(std::size_t e, double px, double py, double a, double b, int depth) const
{
    const double L = length_[e];
    const double ax = (1.0 - a) / 2.0 * x1_[e] + (1.0 + a) / 2.0 * x3_[e];
    const double ay = (1.0 - a) / 2.0 * y1_[e] + (1.0 + a) / 2.0 * y3_[e];
    const double bx = (1.0 - b) / 2.0 * x1_[e] + (1.0 + b) / 2.0 * x3_[e];
    const double by = (1.0 - b) / 2.0 * y1_[e] + (1.0 + b) / 2.0 * y3_[e];
    const double piece = L * (b - a) / 2.0;
    double t = 0.0;
    const double d2 = segmentDistance2(px, py, ax, ay, bx, by, t);
    // The ten-point rule on a piece at least its own length from the point is
    // exact to rounding for both kernels; nearer pieces are halved.
    if (d2 < piece * piece && depth < 60) {
        const double mid = (a + b) / 2.0;
        return nearElement(e, px, py, a, mid, depth + 1) + nearElement(e, px, py, mid, b, depth + 1);
    }
    const double c = (a + b) / 2.0;
    const double h = (b - a) / 2.0;
    double sum = 0.0;
    for (const GaussPoint& gp : kGaussPoints) {
        const double xi = c + h * gp.abscissa;
        const double n1 = xi * (xi - 1.0) / 2.0;
        const double n2 = (1.0 - xi) * (1.0 + xi);
        const double n3 = xi * (xi + 1.0) / 2.0;
        const double dx = (1.0 - xi) / 2.0 * x1_[e] + (1.0 + xi) / 2.0 * x3_[e] - px;
        const double dy = (1.0 - xi) / 2.0 * y1_[e] + (1.0 + xi) / 2.0 * y3_[e] - py;
        const double r2 = std::max(dx * dx + dy * dy, 1e-300);
        const double U = n1 * u1_[e] + n2 * u2_[e] + n3 * u3_[e];
        const double Q = n1 * q1_[e] + n2 * q2_[e] + n3 * q3_[e];
        sum +=
            gp.weight * h *
            (U * (dx * nx_[e] + dy * ny_[e]) / r2 / (4.0 * kPi) + L * Q * std::log(r2) / (8.0 * kPi * conductivity_));
    }
    return sum;
}

double PotentialField::valueAt(double px, double py, Scratch& scratch) const
{
    const std::size_t ne = x1_.size();
    scratch.far.clear();
    scratch.middle.clear();
    // The rule follows the distance: the four-point rule four element lengths
    // away or more, the eight-point rule from two lengths (both exact to about
    // 1e-10 of the element's share there); nearer elements are integrated
    // piece by piece, and a point on an element takes the element's own value
    // there.
    scratch.near.clear();
    classify(ne, ax_.data(), ay_.data(), abx_.data(), aby_.data(), length2_.data(), px, py, scratch.far,
             scratch.middle, scratch.near);
    double nearSum = 0.0;
    for (std::uint32_t e : scratch.near) {
        const double L = length_[e];
        double t = 0.0;
        const double d2 = segmentDistance2(px, py, x1_[e], y1_[e], x3_[e], y3_[e], t);
        if (d2 <= 1e-18 * L * L) {
            const double xi = 2.0 * t - 1.0;
            return xi * (xi - 1.0) / 2.0 * u1_[e] + (1.0 - xi) * (1.0 + xi) * u2_[e] + xi * (xi + 1.0) / 2.0 * u3_[e];
        }
        nearSum += nearElement(e, px, py, -1.0, 1.0, 0);
    }
    return farRule_.sum(scratch.far, px, py) + middleRule_.sum(scratch.middle, px, py) +
           nearSum;
}

double PotentialField::potential(double x, double y) const
{
    Scratch scratch;
    return valueAt(x, y, scratch);
}

void PotentialField::evaluate(const double* x, const double* y, double* out, std::size_t count,
                              const std::atomic<bool>* cancel, std::atomic<std::size_t>* done) const
{
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        Scratch scratch;
        scratch.far.reserve(x1_.size());
        scratch.middle.reserve(x1_.size());
        scratch.near.reserve(x1_.size());
        for (;;) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
                return;
            }
            const std::size_t first = next.fetch_add(kChunk);
            if (first >= count) {
                return;
            }
            const std::size_t last = std::min(count, first + kChunk);
            for (std::size_t i = first; i < last; ++i) {
                // A grid comes row by row: the crossings of a row serve all its points.
                if (!scratch.crossings.valid || scratch.crossings.y != y[i]) {
                    crossingsAt(y[i], scratch.crossings);
                }
                out[i] = insideBy(x[i], scratch.crossings) ? valueAt(x[i], y[i], scratch)
                                                           : std::numeric_limits<double>::quiet_NaN();
            }
            if (done != nullptr) {
                done->fetch_add(last - first, std::memory_order_relaxed);
            }
        }
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads = std::min(cores, (count + kChunk - 1) / kChunk);
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break; // fewer threads share the same points
        }
    }
    work();
    for (std::thread& t : pool) {
        t.join();
    }
}

} // namespace zorind::solver
