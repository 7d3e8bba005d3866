// zorind-cli export-elasticity, import-results and solve on an elasticity
// project, run as programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/exchange/ElasticSolve.h"
#include "core/exchange/ElasticityResults.h"
#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "elastic/ElasticSolver.h"
#include "support/CliRunner.h"
#include "support/ModelBuilders.h"
#include "support/ResultFiles.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::runCli;
using test::TempDir;

constexpr const char* kListHeading = "# Nr_węz. przem.X przem.Y siła_X siła_Y sig.X sig.Y sig.Z tau_XY sig.red.\n";

std::string example(const std::string& name)
{
    return std::string(ZORIND_EXAMPLES_DIR) + "/" + name;
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

TEST(ExportElasticityCli, WritesTheExchangeFileIntoTheFolderGiven)
{
    TempDir dir;
    fs::create_directory(dir.path() / "out");
    const CliRun run = runCli(dir, {"export-elasticity", example("wspornik.tav"), "-C", "out"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Wyeksportowano plik do PURDEX"), std::string::npos);
    EXPECT_EQ(lines(test::readAll(dir.file("out/tav_ed.dat"))).front(), "0 6 6 0 1 0 210000003072.000000 0.300000");
    EXPECT_FALSE(fs::exists(dir.path() / "tav_ed.dat"));

    EXPECT_EQ(runCli(dir, {"export-elasticity", example("plyta.tav")}).status, 1);
    EXPECT_EQ(runCli(dir, {"export-elasticity", example("wspornik.tav"), "-C", "brak"}).status, 2);
    EXPECT_FALSE(fs::exists(dir.path() / "tav_ed.dat"));
}

TEST(ImportResultsCli, PrintsEveryNodesNineValuesExactly)
{
    TempDir dir;
    const std::vector<test::NodeResult> nodes = test::sampleResults(6);
    dir.write("tav_ed.wyn", " Uwaga: Węzeł 4 kończy brzeg\n" + test::resultFile(nodes));
    const CliRun run = runCli(dir, {"import-results", example("wspornik.tav")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Uwagi modułu liczącego:\\nWęzeł 4 kończy brzeg\n");
    std::string expected = kListHeading;
    for (const test::NodeResult& n : nodes) {
        expected += std::to_string(n.number);
        for (float v : {n.dx, n.dy, n.fx, n.fy, n.sigmaX, n.sigmaY, n.sigmaZ, n.tauXY, n.reduced}) {
            expected += ' ' + test::g9(v);
        }
        expected += '\n';
    }
    EXPECT_EQ(run.out, expected);

    dir.write("pusty.wyn", "no header\n");
    const CliRun noHeader = runCli(dir, {"import-results", example("wspornik.tav"), "pusty.wyn"});
    EXPECT_EQ(noHeader.status, 1);
    EXPECT_EQ(noHeader.out, "");
    EXPECT_NE(noHeader.err.find("nie znaleziono wiersza nagłówka"), std::string::npos) << noHeader.err;

    // Another model's results: refused, nothing listed.
    dir.write("inny.wyn", test::resultFile(test::sampleResults(7)));
    const CliRun other = runCli(dir, {"import-results", example("wspornik.tav"), "inny.wyn"});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.out, "");

    EXPECT_EQ(runCli(dir, {"import-results", example("wspornik.tav"), "brak.wyn"}).status, 2);
    EXPECT_EQ(runCli(dir, {"import-results", dir.file("brak.tav")}).status, 2);
}

// The cantilever of the examples with two internal points, the
// results its solve in this process stores, and that project saved.
struct SolvedCantilever {
    Project project;
    Project solved;
    std::string file;

    explicit SolvedCantilever(TempDir& dir)
    {
        ScriptedInteraction ui;
        initialiseProject(project);
        EXPECT_TRUE(openProjectPath(project, ui, example("wspornik.tav"), false));
        test::addInternalPoint(project, 10.0f, 2.0f);
        test::addInternalPoint(project, 15.0f, 1.0f);
        file = dir.file("wspornik.tav");
        EXPECT_TRUE(saveProjectPath(project, ui, file, false));
        solved = project;
        EXPECT_EQ(computeElasticityCommand(solved, ui, elastic::solveElasticProblem), ElasticComputeOutcome::Computed);
    }
};

// A copy of zorind-cli in a folder of its own with a stand-in for the solver
// program beside it, as the two are installed: one that would answer with
// values of its own and leave a mark.
constexpr const char* kFakeSolver = "#!/bin/sh\ntouch \"$0.ran\"\necho 'fake solver' >&2\nexit 0\n";

// solve on an elasticity project solves in its own process, as "Oblicz
// sprężystość" does, whatever solver program lies beside it: the nodes'
// rows as import-results lists them, then the internal points' rows, each
// value the stored float read back exactly; no exchange file anywhere.
TEST(SolveElasticityCli, SolvesInItsOwnProcessAndListsTheInternalPointsAfterTheNodes)
{
    TempDir dir;
    const SolvedCantilever cantilever(dir);
    fs::create_directory(dir.path() / "bin");
    const std::string cli = dir.file("bin/zorind-cli");
    fs::copy_file(ZORIND_CLI_PATH, cli);
    const std::string solver = dir.write("bin/zorind-elastic", kFakeSolver);
    fs::permissions(solver, fs::perms::owner_all, fs::perm_options::add);

    const CliRun run = test::runProgram(dir, cli, {"solve", cantilever.file});
    ASSERT_EQ(run.status, 0) << run.err;
    const Project& p = cantilever.solved;
    std::string expected = kListHeading;
    for (int n : p.nodes.numbers()) {
        expected += std::to_string(n);
        for (float v : elasticityValues(p, n)) {
            expected += ' ' + test::g9(v);
        }
        expected += '\n';
    }
    expected += "# Nr_pkt. x y przem.X przem.Y sig.X sig.Y tau_XY sig.Z sig.red.\n";
    for (int i : p.internalPoints.numbers()) {
        expected += std::to_string(i) + ' ' + test::g9(p.internalPoints[i].x) + ' ' + test::g9(p.internalPoints[i].y);
        for (float v : internalPointValues(p, i)) {
            expected += ' ' + test::g9(v);
        }
        expected += '\n';
    }
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(run.err.find("Obliczono poprawnie"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("fake solver"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(solver + ".ran")) << "no solver program runs";
    EXPECT_FALSE(fs::exists(dir.path() / "tav_ed.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "tav_ed.wyn"));

    // The cantilever held at its left end (nodes 1 and 6) bends down at its
    // loaded right end (nodes 3 and 4), and so does the point inside.
    for (int n : {1, 6}) {
        EXPECT_EQ(elasticityValues(p, n)[0], 0.0f);
        EXPECT_EQ(elasticityValues(p, n)[1], 0.0f);
    }
    for (int n : {3, 4}) {
        EXPECT_LT(elasticityValues(p, n)[1], 0.0f) << n;
    }
    EXPECT_LT(internalPointValues(p, 2)[1], 0.0f);
}

TEST(SolveElasticityCli, JsonNamesTheNodesAndTheInternalPoints)
{
    TempDir dir;
    const SolvedCantilever cantilever(dir);
    const CliRun run = runCli(dir, {"solve", "--json", cantilever.file});
    ASSERT_EQ(run.status, 0) << run.err;
    const Project& p = cantilever.solved;
    const auto stress = [](float sx, float sy, float sz, float txy, float red) {
        return "{\"sigmaX\":" + test::g9(sx) + ",\"sigmaY\":" + test::g9(sy) + ",\"sigmaZ\":" + test::g9(sz) +
               ",\"tauXY\":" + test::g9(txy) + ",\"reduced\":" + test::g9(red) + "}";
    };
    std::string expected = "{\"nodes\":[";
    for (int n : p.nodes.numbers()) {
        const std::array<float, 9> v = elasticityValues(p, n);
        expected += n > 1 ? "," : "";
        expected += "{\"n\":" + std::to_string(n) + ",\"displacement\":[" + test::g9(v[0]) + ',' + test::g9(v[1]) +
                    "],\"force\":[" + test::g9(v[2]) + ',' + test::g9(v[3]) +
                    "],\"stress\":" + stress(v[4], v[5], v[6], v[7], v[8]) + "}";
    }
    expected += "],\"internalPoints\":[";
    for (int i : p.internalPoints.numbers()) {
        const std::array<float, 7> v = internalPointValues(p, i);
        expected += i > 1 ? "," : "";
        expected += "{\"n\":" + std::to_string(i) + ",\"x\":" + test::g9(p.internalPoints[i].x) +
                    ",\"y\":" + test::g9(p.internalPoints[i].y) + ",\"displacement\":[" + test::g9(v[0]) + ',' +
                    test::g9(v[1]) + "],\"stress\":" + stress(v[2], v[3], v[5], v[4], v[6]) + "}";
    }
    expected += "]}\n";
    EXPECT_EQ(run.out, expected);
}

// A model the solver refuses, or one the check finds errors in: the reason
// on standard error, nothing listed.
TEST(SolveElasticityCli, RefusalsSayWhyAndListNothing)
{
    TempDir dir;
    SolvedCantilever cantilever(dir);
    ScriptedInteraction ui;
    Project unheld = cantilever.project;
    unheld.conditions[2].kind = 1.0f; // the held end loaded instead
    ASSERT_TRUE(saveProjectPath(unheld, ui, dir.file("luzny.tav"), false));
    const CliRun refused = runCli(dir, {"solve", "luzny.tav"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("Brak przemieszczeń zadanych"), std::string::npos) << refused.err;

    Project broken = cantilever.project;
    broken.elements[2].endNode = 1; // the boundary no longer closes
    ASSERT_TRUE(saveProjectPath(broken, ui, dir.file("zly.tav"), false));
    const CliRun errors = runCli(dir, {"solve", "zly.tav"});
    EXPECT_EQ(errors.status, 1);
    EXPECT_EQ(errors.out, "");
    EXPECT_NE(errors.err.find("Znaleziono błędy w zadaniu"), std::string::npos) << errors.err;
}

} // namespace
} // namespace zorind
