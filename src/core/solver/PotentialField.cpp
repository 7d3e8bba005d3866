#include "solver/PotentialField.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

#include "solver/Integration.h"
#include "VectorMath.h"

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

// Σ over the rule's points i of mask·(gu·(r·n)/r² + gq·ln r²), r from the
// point to (gx, gy); n is a multiple of four.
ZORIND_VECTOR_CLONES
double farSum(std::size_t n, const double* gx, const double* gy, const double* nx, const double* ny, const double* gu,
              const double* gq, const double* mask, double px, double py)
{
    Vec4 sum = {0.0, 0.0, 0.0, 0.0};
    // A point on a rule's point would give 0/0: it is masked out (it is near
    // its element), and the floor keeps the masked lane finite.
    const Vec4 floor = {1e-300, 1e-300, 1e-300, 1e-300};
    for (std::size_t i = 0; i < n; i += 4) {
        Vec4 x, y, ax, ay, u, q, m;
        load4(x, gx + i);
        load4(y, gy + i);
        load4(ax, nx + i);
        load4(ay, ny + i);
        load4(u, gu + i);
        load4(q, gq + i);
        load4(m, mask + i);
        const Vec4 dx = x - px;
        const Vec4 dy = y - py;
        Vec4 r2 = dx * dx + dy * dy;
        r2 = r2 > floor ? r2 : floor;
        // The floor keeps every lane a positive normal number.
        Vec4 lnR2 = r2;
        log4PositiveNormal(lnR2);
        sum += m * (u * (dx * ax + dy * ay) / r2 + q * lnR2);
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

    const std::size_t padded = static_cast<std::size_t>(ne) * kGaussPoints.size();
    for (std::vector<double>* v : {&f.gx_, &f.gy_, &f.gu_, &f.gq_}) {
        v->reserve(padded);
    }
    f.xmin_ = f.ymin_ = std::numeric_limits<double>::infinity();
    f.xmax_ = f.ymax_ = -std::numeric_limits<double>::infinity();
    std::vector<double> gnx;
    std::vector<double> gny;
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
        for (const GaussPoint& gp : kGaussPoints) {
            const double xi = gp.abscissa;
            const double n1 = xi * (xi - 1.0) / 2.0;
            const double n2 = (1.0 - xi) * (1.0 + xi);
            const double n3 = xi * (xi + 1.0) / 2.0;
            f.gx_.push_back((1.0 - xi) / 2.0 * x1 + (1.0 + xi) / 2.0 * x3);
            f.gy_.push_back((1.0 - xi) / 2.0 * y1 + (1.0 + xi) / 2.0 * y3);
            gnx.push_back(y3 - y1);
            gny.push_back(x1 - x3);
            f.gu_.push_back(gp.weight * (n1 * u[0] + n2 * u[1] + n3 * u[2]) / (4.0 * kPi));
            f.gq_.push_back(gp.weight * L * (n1 * q[0] + n2 * q[1] + n3 * q[2]) / (8.0 * kPi * k));
        }
    }
    // Padding to whole vectors: copies of the last point with no weight.
    while (f.gx_.size() % 4 != 0) {
        f.gx_.push_back(f.gx_.back());
        f.gy_.push_back(f.gy_.back());
        gnx.push_back(0.0);
        gny.push_back(0.0);
        f.gu_.push_back(0.0);
        f.gq_.push_back(0.0);
    }
    // The rule's normals live with the points; the element normals stay for
    // the near integrals.
    f.gnx_ = std::move(gnx);
    f.gny_ = std::move(gny);
    for (double v : f.gu_) {
        if (!std::isfinite(v)) {
            return std::nullopt;
        }
    }
    for (double v : f.gq_) {
        if (!std::isfinite(v)) {
            return std::nullopt;
        }
    }
    return f;
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

bool PotentialField::inside(double x, double y) const
{
    bool inOuter = false;
    for (std::size_t b = 0; b + 1 < edgeStart_.size(); ++b) {
        bool odd = false;
        for (std::size_t i = edgeStart_[b]; i < edgeStart_[b + 1]; ++i) {
            const double ay = ey1_[i];
            const double by = ey2_[i];
            if ((ay > y) != (by > y)) {
                const double cross = ex1_[i] + (y - ay) * (ex2_[i] - ex1_[i]) / (by - ay);
                if (x < cross) {
                    odd = !odd;
                }
            }
        }
        if (odd && boundaryOuter_[b] == 0) {
            return false;
        }
        inOuter = inOuter || (odd && boundaryOuter_[b] != 0);
    }
    return inOuter;
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

double PotentialField::valueAt(double px, double py, std::vector<double>& mask) const
{
    const std::size_t ne = x1_.size();
    const std::size_t perElement = kGaussPoints.size();
    // Elements within two lengths of the point are integrated piece by
    // piece; a point on an element takes the element's own value there.
    std::size_t nearCount = 0;
    double nearSum = 0.0;
    for (std::size_t e = 0; e < ne; ++e) {
        const double L = length_[e];
        double t = 0.0;
        const double d2 = segmentDistance2(px, py, x1_[e], y1_[e], x3_[e], y3_[e], t);
        if (d2 >= 4.0 * L * L) {
            continue;
        }
        if (d2 <= 1e-18 * L * L) {
            for (std::size_t i = 0; i < e * perElement; ++i) {
                mask[i] = 1.0;
            }
            const double xi = 2.0 * t - 1.0;
            return xi * (xi - 1.0) / 2.0 * u1_[e] + (1.0 - xi) * (1.0 + xi) * u2_[e] + xi * (xi + 1.0) / 2.0 * u3_[e];
        }
        for (std::size_t i = e * perElement; i < (e + 1) * perElement; ++i) {
            mask[i] = 0.0;
        }
        nearSum += nearElement(e, px, py, -1.0, 1.0, 0);
        ++nearCount;
    }
    const double farPart = farSum(gx_.size(), gx_.data(), gy_.data(), gnx_.data(), gny_.data(), gu_.data(), gq_.data(),
                                  mask.data(), px, py);
    if (nearCount > 0) {
        std::fill(mask.begin(), mask.end(), 1.0);
    }
    return farPart + nearSum;
}

double PotentialField::potential(double x, double y) const
{
    std::vector<double> mask(gx_.size(), 1.0);
    return valueAt(x, y, mask);
}

void PotentialField::evaluate(const double* x, const double* y, double* out, std::size_t count,
                              const std::atomic<bool>* cancel, std::atomic<std::size_t>* done) const
{
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        std::vector<double> mask(gx_.size(), 1.0);
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
                out[i] = inside(x[i], y[i]) ? valueAt(x[i], y[i], mask) : std::numeric_limits<double>::quiet_NaN();
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
