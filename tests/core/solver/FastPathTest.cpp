#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "core/solver/Compute.h"
#include "core/solver/StraightforwardSolver.h"
#include "core/ui/ScriptedInteraction.h"
#include "kernels/VectorMath.h"
#include "support/SolverModels.h"

namespace zorind::solver {
namespace {

// Over the range of squared distances the integration meets (from a point a
// hair from an element to the far side of a large model), over whole binades
// of mantissas and around the reduction's splits, the vectorised logarithm
// stays within one unit in the last place of the library's; outside the
// positive normal numbers the library decides, values and flags alike.
TEST(VectorLog, WithinOneUnitInTheLastPlaceOfTheLibraryLogarithm)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> exponent(-40.0, 40.0);
    std::vector<double> x;
    for (int i = 0; i < 200000; ++i) {
        x.push_back(std::pow(10.0, exponent(rng)));
    }
    for (int i = -2000; i <= 2000; ++i) {
        x.push_back(1.0 + i * 1e-7);
        x.push_back(std::sqrt(0.5) * (1.0 + i * 1e-12));
        x.push_back(std::sqrt(2.0) * (1.0 + i * 1e-12));
    }
    x.push_back(std::numeric_limits<double>::min());
    x.push_back(std::numeric_limits<double>::max());
    std::vector<double> y(x.size());
    kernels::logOfEach(x.data(), y.data(), static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double expected = std::log(x[i]);
        const double ulp =
            std::nextafter(std::fabs(expected), std::numeric_limits<double>::infinity()) - std::fabs(expected);
        ASSERT_LE(std::fabs(y[i] - expected), ulp) << "log(" << x[i] << ")";
    }

    // A Gauss point exactly on the point being integrated gives ln 0: the
    // division by zero must reach the solver's fault check. The normal lane
    // next to the odd ones keeps its own value.
    const double odd[] = {0.0, -1.0, std::numeric_limits<double>::infinity(), 1e-310, 2.0};
    double out[5] = {};
    std::feclearexcept(FE_ALL_EXCEPT);
    kernels::logOfEach(odd, out, 5);
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
    EXPECT_NE(std::fetestexcept(FE_INVALID), 0);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(out[0], -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(out[1]));
    EXPECT_EQ(out[2], std::numeric_limits<double>::infinity());
    EXPECT_EQ(out[3], std::log(1e-310));
    EXPECT_NEAR(out[4], std::log(2.0), 1e-15);
}

// The largest magnitude of a field, and one float32 unit in the last place
// of it: the resolution at which the results are stored.
float resolution(const std::vector<float>& field)
{
    float largest = 0.0f;
    for (float v : field) {
        largest = std::max(largest, std::fabs(v));
    }
    return std::nextafter(largest, std::numeric_limits<float>::infinity()) - largest;
}

struct Fields {
    std::vector<float> potential;
    std::vector<float> flux;
    std::vector<float> internal;
};

Fields fieldsOf(const Project& p)
{
    Fields f;
    for (int e = 1; e <= p.elementCount(); ++e) {
        for (std::size_t a = 1; a <= 3; ++a) {
            f.potential.push_back(p.elementResults[e].slot[a]);
            f.flux.push_back(p.fluxResults[e].slot[a]);
        }
    }
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        f.internal.push_back(p.internalPoints[i].internalResult);
    }
    return f;
}

// The compute command's results (vectorised logarithm, rows integrated four
// elements at a time into the system, blocked elimination) against the
// straightforward steps (library logarithm element by element, every row of
// G and H stored, elimination one pivot row at a time): every stored value
// within one float32 unit in the last place of its field's largest
// magnitude, on the examples and the largest model the tables allow.
TEST(ComputeFastPath, StoresTheStraightforwardResultsToTheirStoredResolution)
{
    std::vector<std::pair<std::string, Project>> models;
    models.emplace_back("largest", test::largestModel());
    for (const char* name : {"plyta.tav", "pierscien.tav", "wspornik.tav"}) {
        Project p = test::emptyProject();
        ASSERT_TRUE(loadProjectFile(std::string(ZORIND_EXAMPLES_DIR) + "/" + name, p).ok()) << name;
        p.analysisType = 1;
        models.emplace_back(name, p);
    }
    for (auto& [name, project] : models) {
        Project before = project;
        SolverContext ctx;
        ctx.trace = nullptr;
        prepareWorkspace(ctx, before);
        straightforward::solve(ctx);
        storeResults(ctx, before);
        releaseWorkspace(ctx);

        Project after = project;
        ScriptedInteraction ui;
        ASSERT_EQ(computeCommand(after, ui, nullptr), ComputeOutcome::Computed) << name;
        const Fields expected = fieldsOf(before);
        const Fields actual = fieldsOf(after);
        const std::pair<const char*, const std::vector<float> Fields::*> fields[] = {
            {"potential", &Fields::potential}, {"flux", &Fields::flux}, {"internal point", &Fields::internal}};
        for (const auto& [what, member] : fields) {
            const std::vector<float>& e = expected.*member;
            const std::vector<float>& a = actual.*member;
            ASSERT_EQ(e.size(), a.size());
            const float tolerance = resolution(e);
            for (std::size_t i = 0; i < e.size(); ++i) {
                EXPECT_LE(std::fabs(e[i] - a[i]), tolerance)
                    << name << ", " << what << " value " << i << ": " << e[i] << " against " << a[i];
            }
        }
    }
}

} // namespace
} // namespace zorind::solver
