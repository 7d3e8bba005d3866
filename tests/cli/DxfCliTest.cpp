#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::CliRun;
using test::runCli;
using test::TempDir;

Project readModel(const std::string& path)
{
    Project p = test::emptyProject();
    const FileResult r = loadProjectFile(path, p);
    EXPECT_TRUE(r.ok()) << path << ": " << r.detail;
    return p;
}

// A 40 by 30 plate with a hole of radius 5, as an old program writes it.
constexpr const char* kPlate = "0\nSECTION\n2\nENTITIES\n"
                               "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n10\n0\n20\n0\n10\n40\n20\n0\n10\n40\n20\n30\n10\n0\n20\n30\n"
                               "0\nCIRCLE\n8\n0\n10\n20\n20\n15\n40\n5\n"
                               "0\nENDSEC\n0\nEOF\n";

TEST(CliDxf, ImportDxfWritesTheProjectAndTellsWhatItMade)
{
    TempDir dir;
    const std::string in = dir.write("plyta.dxf", kPlate);
    const CliRun run = runCli(dir, {"import-dxf", in, "-o", "plyta.tav", "--element-length", "1", "--type", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Project p = readModel(dir.file("plyta.tav"));
    EXPECT_EQ(p.analysisType, 2);
    EXPECT_EQ(p.boundaryCount(), 2);
    // The circle's 31.4 cut into elements of at most 1.
    EXPECT_EQ(p.nodeCount(), 4 + 32);
    EXPECT_EQ(run.err, "Zaimportowano rysunek " + in + "\nUtworzono brzegów: 2, węzłów: 36, elementów: 36\n"
                                                       "Długość elementu na łukach: 1\n");
    EXPECT_EQ(runCli(dir, {"check", "plyta.tav"}).status, 0);
}

TEST(CliDxf, ImportDxfRefusesWithTheReasonAndWritesNothing)
{
    TempDir dir;
    const std::string plate = dir.write("plyta.dxf", kPlate);
    const CliRun tooFine = runCli(dir, {"import-dxf", plate, "-o", "x.tav", "--element-length", "0.1"});
    EXPECT_EQ(tooFine.status, 1);
    EXPECT_NE(tooFine.err.find("zmieści się przy długości elementu 0.2"), std::string::npos) << tooFine.err;
    const CliRun garbage = runCli(dir, {"import-dxf", dir.write("smieci.dxf", "nie jestem rysunkiem\n"), "-o", "x.tav"});
    EXPECT_EQ(garbage.status, 1);
    EXPECT_NE(garbage.err.find("nie jest rysunkiem DXF"), std::string::npos);
    EXPECT_EQ(runCli(dir, {"import-dxf", dir.file("brak.dxf"), "-o", "x.tav"}).status, 2);
    EXPECT_EQ(runCli(dir, {"import-dxf", plate, "-o", "x.tav", "--type", "7"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tav")));
}

TEST(CliDxf, AnExportedProjectImportsBackToTheSameNodesAndTheMapAddsIsolines)
{
    TempDir dir;
    const std::string example = std::string(ZORIND_EXAMPLES_DIR) + "/pierscien.tav";
    ASSERT_EQ(runCli(dir, {"export-dxf", example, "-o", "p.dxf"}).status, 0);
    EXPECT_EQ(test::readAll(dir.file("p.dxf")).find("IZOLINIE"), std::string::npos);
    ASSERT_EQ(runCli(dir, {"import-dxf", "p.dxf", "-o", "p.tav"}).status, 0);
    const Project original = readModel(example);
    const Project again = readModel(dir.file("p.tav"));
    ASSERT_EQ(again.nodeCount(), original.nodeCount());
    for (const int n : original.nodes.numbers()) {
        EXPECT_EQ(again.nodes[n], original.nodes[n]);
    }
    const CliRun map = runCli(dir, {"export-dxf", example, "--map", "-o", "m.dxf"});
    ASSERT_EQ(map.status, 0) << map.err;
    EXPECT_NE(test::readAll(dir.file("m.dxf")).find("IZOLINIE"), std::string::npos);
}

TEST(CliDxf, ScaleMultipliesTheCoordinatesAboutTheOriginOrRefuses)
{
    TempDir dir;
    Project p = test::emptyProject();
    test::addPolygon(p, {{1, 1}, {3, 1}, {1, 2}});
    const std::string in = dir.write("in.tav", writeProjectText(p));
    ASSERT_EQ(runCli(dir, {"scale", in, "-f", "2", "-o", "two.tav"}).status, 0);
    EXPECT_EQ(readModel(dir.file("two.tav")).nodes[2], (Node{6, 2}));
    ASSERT_EQ(runCli(dir, {"scale", in, "-f", "2,3", "--origin", "1,1", "-o", "xy.tav"}).status, 0);
    EXPECT_EQ(readModel(dir.file("xy.tav")).nodes[3], (Node{1, 4}));
    const CliRun refused = runCli(dir, {"scale", in, "-f", "0", "-o", "zero.tav"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Współczynnik skali musi być liczbą dodatnią\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("zero.tav")));
}

} // namespace
} // namespace zorind
