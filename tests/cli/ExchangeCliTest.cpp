// zorind-cli export-elasticity, import-results and solve on an elasticity
// project, run as programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/CliRunner.h"
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

// A copy of zorind-cli in a folder of its own with a stand-in for the solver
// beside it, as the two are installed.
struct InstalledWithSolver {
    TempDir dir;
    std::string cli;

    explicit InstalledWithSolver(const std::string& solverScript)
    {
        fs::create_directory(dir.path() / "bin");
        cli = dir.file("bin/zorind-cli");
        fs::copy_file(ZORIND_CLI_PATH, cli);
        if (!solverScript.empty()) {
            const std::string solver = dir.write("bin/zorind-elastic", solverScript);
            fs::permissions(solver, fs::perms::owner_all, fs::perm_options::add);
        }
    }
    CliRun solve(const std::string& project, bool json = false)
    {
        return test::runProgram(dir, cli,
                                json ? std::vector<std::string>{"solve", "--json", project}
                                     : std::vector<std::string>{"solve", project});
    }
};

// Checks it was given the two file names in a folder holding the exchange
// file, and answers with node k displaced by (k + 0.5, -k), with two notes.
constexpr const char* kFakeSolver = R"(#!/bin/sh
[ "$1" = tav_ed.dat ] && [ "$2" = tav_ed.wyn ] && [ -f tav_ed.dat ] || exit 9
echo "fake solver talking on standard output"
awk 'NR == 1 { n = $3 }
END {
  print " fake solver"
  print " Uwaga: Węzeł 2 kończy brzeg, który nie jest zamknięty"
  print " Uwaga: Punkt wewnętrzny 9 leży poza obszarem ciała"
  print "                       PRZEMIESZCZENIA  BRZEGOWE  I  SILY"
  print " Nr UX UY FX FY"
  for (k = 1; k <= n; k++) printf "%d %d.5 -%d 0.25 %d\n", k, k, k, k
  print ""; print " stresses"; print " Nr UT UN SX TXY SY SZ SRED"
  for (k = 1; k <= n; k++) printf "%d 0 0 %d 1 2 3 %d\n", k, 10 * k, 100 * k
}' tav_ed.dat > tav_ed.wyn
)";

TEST(SolveElasticityCli, ExportsRunsTheSolverBesideTheProgramAndImports)
{
    InstalledWithSolver installed(kFakeSolver);
    const CliRun run = installed.solve(example("wspornik.tav"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string(kListHeading) + "1 1.5 -1 0.25 1 10 2 3 1 100\n"
                                                   "2 2.5 -2 0.25 2 20 2 3 1 200\n"
                                                   "3 3.5 -3 0.25 3 30 2 3 1 300\n"
                                                   "4 4.5 -4 0.25 4 40 2 3 1 400\n"
                                                   "5 5.5 -5 0.25 5 50 2 3 1 500\n"
                                                   "6 6.5 -6 0.25 6 60 2 3 1 600\n");
    EXPECT_NE(run.err.find("fake solver talking"), std::string::npos) << "its output kept off the results";
    EXPECT_NE(run.err.find("Uwagi modułu liczącego:\\nWęzeł 2 kończy brzeg, który nie jest zamknięty\\n"
                           "Punkt wewnętrzny 9 leży poza obszarem ciała\n"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(installed.dir.path() / "tav_ed.dat")) << "the exchange stays in its scratch folder";

    // A solver that fails, one that writes no results, none at all.
    for (const char* script : {"#!/bin/sh\necho 'zły plik' >&2\nexit 5\n", "#!/bin/sh\necho x > \"$2\"\n", ""}) {
        InstalledWithSolver broken(script);
        const CliRun failed = broken.solve(example("wspornik.tav"));
        EXPECT_EQ(failed.status, 3) << script;
        EXPECT_EQ(failed.out, "");
        EXPECT_FALSE(failed.err.empty());
    }
}

TEST(SolveElasticityCli, JsonNamesTheElasticityValues)
{
    InstalledWithSolver installed(kFakeSolver);
    const CliRun run = installed.solve(example("wspornik.tav"), true);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected = "{\"nodes\":[";
    for (int k = 1; k <= 6; ++k) {
        const std::string n = std::to_string(k);
        if (k > 1) {
            expected += ',';
        }
        expected += "{\"n\":" + n;
        expected += ",\"displacement\":[" + n + ".5,-" + n + "]";
        expected += ",\"force\":[0.25," + n + "]";
        expected +=
            ",\"stress\":{\"sigmaX\":" + n + "0,\"sigmaY\":2,\"sigmaZ\":3,\"tauXY\":1,\"reduced\":" + n + "00}}";
    }
    expected += "]}\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(run.err.find("Uwagi modułu liczącego:"), std::string::npos) << "the notes stay on standard error";
}

// The real solver program, once it is built beside zorind-cli: the
// cantilever held at its left end (nodes 1 and 6) bends down at its loaded
// right end (nodes 3 and 4).
TEST(SolveElasticityCli, RealSolverBendsTheCantileverDown)
{
    if (!fs::exists(fs::path(ZORIND_CLI_PATH).parent_path() / "zorind-elastic")) {
        GTEST_SKIP() << "zorind-elastic is not built beside zorind-cli";
    }
    TempDir dir;
    const CliRun run = runCli(dir, {"solve", example("wspornik.tav")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = lines(run.out);
    ASSERT_EQ(rows.size(), 7u) << run.out;
    EXPECT_EQ(rows[1].rfind("1 0 0 ", 0), 0u) << rows[1];
    EXPECT_EQ(rows[6].rfind("6 0 0 ", 0), 0u) << rows[6];
    for (const std::string& loaded : {rows[3], rows[4]}) {
        std::istringstream in(loaded);
        double node = 0, dx = 0, dy = 0;
        in >> node >> dx >> dy;
        EXPECT_LT(dy, 0.0) << loaded;
    }
}

} // namespace
} // namespace zorind
