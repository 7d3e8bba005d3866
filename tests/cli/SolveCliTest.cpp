// zorind-cli solve, run as a program on the sample projects and on models
// written for the occasion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/SolverModels.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::CliRun;
using test::runCli;
using test::TempDir;

std::string example(const std::string& name)
{
    return std::string(ZORIND_EXAMPLES_DIR) + "/" + name;
}

Project readExample(const std::string& name)
{
    Project p = test::emptyProject();
    const FileResult r = loadProjectFile(example(name), p);
    EXPECT_TRUE(r.ok()) << name << ": " << r.detail;
    return p;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; in >> f;) {
        out.push_back(f);
    }
    return out;
}

// The text form split into its two tables: one vector of numbers per line.
struct SolveOutput {
    std::vector<std::vector<std::string>> elements;
    std::vector<std::vector<std::string>> points;
};

SolveOutput parseText(const std::string& text)
{
    SolveOutput out;
    const std::vector<std::string> all = lines(text);
    EXPECT_GE(all.size(), 2u);
    if (all.size() < 2) {
        return out;
    }
    EXPECT_EQ(all[0], "# Nr Pot.1 Pot.s Pot.2 Stru.1 Stru.s Stru.2");
    std::size_t i = 1;
    for (; i < all.size() && all[i] != "# Nr x y Temperatura"; ++i) {
        out.elements.push_back(fields(all[i]));
        EXPECT_EQ(out.elements.back().size(), 7u) << all[i];
    }
    EXPECT_LT(i, all.size()) << "no internal point header";
    for (++i; i < all.size(); ++i) {
        out.points.push_back(fields(all[i]));
        EXPECT_EQ(out.points.back().size(), 4u) << all[i];
    }
    return out;
}

double number(const std::string& token)
{
    return std::strtod(token.c_str(), nullptr);
}

// Every real number is "%.9g" of a float: reading it back as a float and
// writing it again gives the same text.
void expectFloatRoundTrip(const std::string& token)
{
    const float value = std::strtof(token.c_str(), nullptr);
    char again[64];
    std::snprintf(again, sizeof again, "%.9g", static_cast<double>(value));
    EXPECT_EQ(token, again);
}

TEST(SolveCli, PlateGivesTheLinearProfile)
{
    TempDir dir;
    const CliRun run = runCli(dir, {"solve", example("plyta.tav")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Obliczono poprawnie\n");
    const Project p = readExample("plyta.tav");
    const SolveOutput out = parseText(run.out);
    ASSERT_EQ(static_cast<int>(out.elements.size()), p.elementCount());
    ASSERT_EQ(static_cast<int>(out.points.size()), p.internalPointCount());
    // Potential 100 on the left side, 0 on the right: u = 100 - 10x.
    for (int e = 1; e <= p.elementCount(); ++e) {
        const std::vector<std::string>& row = out.elements[static_cast<std::size_t>(e - 1)];
        EXPECT_EQ(row[0], std::to_string(e));
        const Node& s = p.nodes[p.elements[e].startNode];
        const Node& t = p.nodes[p.elements[e].endNode];
        EXPECT_NEAR(number(row[1]), 100.0 - 10.0 * s.x, 1e-3);
        EXPECT_NEAR(number(row[2]), 100.0 - 5.0 * (s.x + t.x), 1e-3);
        EXPECT_NEAR(number(row[3]), 100.0 - 10.0 * t.x, 1e-3);
        for (std::size_t f = 1; f < row.size(); ++f) {
            expectFloatRoundTrip(row[f]);
        }
    }
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const std::vector<std::string>& row = out.points[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(row[0], std::to_string(i));
        EXPECT_EQ(std::strtof(row[1].c_str(), nullptr), p.internalPoints[i].x);
        EXPECT_EQ(std::strtof(row[2].c_str(), nullptr), p.internalPoints[i].y);
        EXPECT_NEAR(number(row[3]), 100.0 - 10.0 * p.internalPoints[i].x, 1e-3);
        expectFloatRoundTrip(row[3]);
    }
}

TEST(SolveCli, JsonCarriesTheSameNumbers)
{
    TempDir dir;
    const CliRun text = runCli(dir, {"solve", example("plyta.tav")});
    const CliRun json = runCli(dir, {"solve", "--json", example("plyta.tav")});
    ASSERT_EQ(text.status, 0);
    ASSERT_EQ(json.status, 0) << json.err;
    const SolveOutput out = parseText(text.out);
    std::string expected = "{\"elements\":[";
    for (std::size_t e = 0; e < out.elements.size(); ++e) {
        const std::vector<std::string>& r = out.elements[e];
        if (e > 0) {
            expected += ',';
        }
        expected += "{\"n\":" + r[0];
        expected += ",\"potential\":[" + r[1] + "," + r[2] + "," + r[3] + "]";
        expected += ",\"flux\":[" + r[4] + "," + r[5] + "," + r[6] + "]}";
    }
    expected += "],\"internalPoints\":[";
    for (std::size_t i = 0; i < out.points.size(); ++i) {
        const std::vector<std::string>& r = out.points[i];
        if (i > 0) {
            expected += ',';
        }
        expected += "{\"n\":" + r[0];
        expected += ",\"x\":" + r[1];
        expected += ",\"y\":" + r[2];
        expected += ",\"potential\":" + r[3] + "}";
    }
    expected += "]}\n";
    EXPECT_EQ(json.out, expected);
}

// The annulus of the sample: potential 100 on the inner circle (radius 4),
// 0 on the outer one (radius 10), both drawn as coarse polygons (8 and 16
// sides), so the logarithmic profile of true circles holds only roughly;
// what flows in through the hole must flow out through the rim.
TEST(SolveCli, AnnulusConservesTheFlowAndFollowsTheLogarithmicProfile)
{
    TempDir dir;
    const CliRun run = runCli(dir, {"solve", example("pierscien.tav")});
    ASSERT_EQ(run.status, 0) << run.err;
    const Project p = readExample("pierscien.tav");
    const SolveOutput out = parseText(run.out);
    ASSERT_EQ(static_cast<int>(out.elements.size()), p.elementCount());
    double outflow = 0.0;
    double inflow = 0.0;
    for (int e = 1; e <= p.elementCount(); ++e) {
        const std::vector<std::string>& row = out.elements[static_cast<std::size_t>(e - 1)];
        const Node& s = p.nodes[p.elements[e].startNode];
        const Node& t = p.nodes[p.elements[e].endNode];
        const double length = std::hypot(t.x - s.x, t.y - s.y);
        // Simpson's rule with the quadratic flux of the element.
        const double flow = length * (number(row[4]) + 4 * number(row[5]) + number(row[6])) / 6;
        const bool inner = p.elements[e].boundary == 2;
        for (int f = 1; f <= 3; ++f) {
            EXPECT_EQ(number(row[static_cast<std::size_t>(f)]), inner ? 100.0 : 0.0);
        }
        (inner ? inflow : outflow) += flow;
    }
    EXPECT_GT(outflow, 0.0);
    EXPECT_NEAR(outflow, -inflow, 5e-3 * outflow);
    double previous = -1.0;
    for (const std::vector<std::string>& row : out.points) {
        const double r = std::hypot(number(row[1]) - 12.0, number(row[2]) - 12.0);
        const double u = number(row[3]);
        EXPECT_NEAR(u, 100.0 * std::log(r / 10.0) / std::log(4.0 / 10.0), 5.0) << "r = " << r;
        EXPECT_GT(u, previous); // the sample's points come ever closer to the hole
        previous = u;
    }
}

TEST(SolveCli, RowsFollowTheFileWhenBoundariesInterleave)
{
    // The annulus with its elements dealt alternately from the inner and the
    // outer circle: the check regroups them, the output must not.
    Project p = readExample("pierscien.tav");
    std::vector<Element> inner;
    std::vector<Element> outer;
    for (const Element& e : p.elements) {
        (e.boundary == 2 ? inner : outer).push_back(e);
    }
    ASSERT_FALSE(inner.empty());
    int k = 1;
    for (std::size_t i = 0; i < std::max(inner.size(), outer.size()); ++i) {
        for (const std::vector<Element>* group : {&inner, &outer}) {
            if (i < group->size()) {
                p.elements[k++] = (*group)[i];
            }
        }
    }
    TempDir dir;
    const CliRun run = runCli(dir, {"solve", dir.write("przeplot.tav", writeProjectText(p))});
    ASSERT_EQ(run.status, 0) << run.err;
    const SolveOutput out = parseText(run.out);
    ASSERT_EQ(static_cast<int>(out.elements.size()), p.elementCount());
    for (int e = 1; e <= p.elementCount(); ++e) {
        const std::vector<std::string>& row = out.elements[static_cast<std::size_t>(e - 1)];
        EXPECT_EQ(row[0], std::to_string(e));
        EXPECT_EQ(number(row[1]), p.elements[e].boundary == 2 ? 100.0 : 0.0) << "row " << e;
    }
}

TEST(SolveCli, ATypeNotComputedHereSaysSo)
{
    TempDir dir;
    Project p = readExample("plyta.tav");
    p.analysisType = Thermoelasticity;
    const CliRun run = runCli(dir, {"solve", dir.write("termo.tav", writeProjectText(p))});
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Typ obliczeń 11 (termosprężystość) nie jest liczony przez to polecenie\n");
}

TEST(SolveCli, CheckErrorsAndFailuresGiveTheirStatuses)
{
    TempDir dir;
    Project free = test::emptyProject();
    test::addPolygon(free, {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    test::addNode(free, 9.0f, 9.0f);
    const CliRun check = runCli(dir, {"solve", dir.write("wolny.tav", writeProjectText(free))});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_NE(check.err.find("Znaleziono błędy w zadaniu...\n"), std::string::npos) << check.err;

    // Flux prescribed all round.
    Project flux = test::emptyProject();
    test::addPolygon(flux, {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    const CliRun singular = runCli(dir, {"solve", dir.write("strumien.tav", writeProjectText(flux))});
    EXPECT_EQ(singular.status, 3);
    EXPECT_EQ(singular.out, "");
    EXPECT_NE(singular.err.find("Główna macierz jest osobliwa\n"), std::string::npos) << singular.err;

    Project unknownKind = test::emptyProject();
    test::addPolygon(unknownKind, {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    unknownKind.conditions[1].kind = 5.0f;
    const CliRun failed = runCli(dir, {"solve", dir.write("rodzaj.tav", writeProjectText(unknownKind))});
    EXPECT_EQ(failed.status, 3);
    EXPECT_NE(failed.err.find("Błąd podczas obliczeń\\nElement 1 ma warunek brzegowy 1 nieznanego rodzaju (5)"),
              std::string::npos)
        << failed.err;
}

// A metal plate: the elimination writes its trace lines, which must not mix
// with the results.
TEST(SolveCli, TraceLinesGoToStandardError)
{
    TempDir dir;
    Project p = readExample("plyta.tav");
    p.conductivity = 6.0e7f;
    const CliRun run = runCli(dir, {"solve", dir.write("miedz.tav", writeProjectText(p))});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("MACIERZ OSOBLIWA WYNIKI SA BLEDNE\n"), std::string::npos);
    const SolveOutput out = parseText(run.out);
    EXPECT_EQ(static_cast<int>(out.elements.size()), p.elementCount());
}

TEST(SolveCli, UsageAndUnreadableFilesExitWithTwo)
{
    TempDir dir;
    EXPECT_EQ(runCli(dir, {"solve"}).status, 2);
    EXPECT_EQ(runCli(dir, {"solve", example("plyta.tav"), "--bogus"}).status, 2);
    const CliRun missing = runCli(dir, {"solve", dir.file("brak.tav")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_FALSE(missing.err.empty());
}

} // namespace
} // namespace zorind
