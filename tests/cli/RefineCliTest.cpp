#include <gmock/gmock.h>
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

// A square on the outer boundary and a triangle on an inner one.
std::string writeTwoBoundaries(const TempDir& dir)
{
    Project p = test::emptyProject();
    test::addBoundary(p, InnerBoundary);
    test::addPolygon(p, {{0, 0}, {9, 0}, {9, 9}, {0, 9}}, 1, 1);
    test::addPolygon(p, {{3, 3}, {6, 3}, {4, 6}}, 1, 2);
    return dir.write("in.tav", writeProjectText(p));
}

TEST(CliRefine, SplitsEveryElementOfEveryBoundaryAndTheModelStaysSound)
{
    TempDir dir;
    const std::string in = writeTwoBoundaries(dir);
    const std::string before = test::readAll(in);
    const std::string out = dir.file("out.tav");
    const CliRun run = runCli(dir, {"refine", in, "-n", "5", "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const Project refined = readModel(out);
    EXPECT_EQ(refined.elementCount(), 7 * 5);
    EXPECT_EQ(refined.nodeCount(), 7 + 7 * 4);
    EXPECT_EQ(test::readAll(in), before) << "the input file is not touched";
    EXPECT_EQ(runCli(dir, {"check", out}).status, 0);
    EXPECT_EQ(runCli(dir, {"refine", "-o", dir.file("out2.tav"), "-n=2", in}).status, 0) << "options in any order";
}

TEST(CliRefine, UsageErrorsAndAnOverflowWriteNothing)
{
    TempDir dir;
    const std::string in = writeTwoBoundaries(dir);
    const std::string out = dir.file("out.tav");
    for (const char* parts : {"1", "21", "2.5", "x", ""}) {
        const CliRun run = runCli(dir, {"refine", in, "-n", parts, "-o", out});
        EXPECT_EQ(run.status, 2) << parts;
        EXPECT_THAT(run.err, ::testing::StartsWith("Liczba części musi być liczbą całkowitą od 2 do 20")) << parts;
    }
    EXPECT_EQ(runCli(dir, {"refine", in, "-o", out}).status, 2) << "no -n";
    EXPECT_EQ(runCli(dir, {"refine", in, "-n", "3"}).status, 2) << "no -o";
    EXPECT_EQ(runCli(dir, {"refine", "-n", "3", "-o", out}).status, 2) << "no input";
    EXPECT_EQ(runCli(dir, {"refine", dir.file("brak.tav"), "-n", "3", "-o", out}).status, 2);

    // The 7 elements in 20 parts fit (140 nodes, 140 elements); halving
    // those would need 280 nodes.
    const std::string twenty = dir.file("twenty.tav");
    ASSERT_EQ(runCli(dir, {"refine", in, "-n", "20", "-o", twenty}).status, 0);
    const CliRun overflow = runCli(dir, {"refine", twenty, "-n", "2", "-o", out});
    EXPECT_EQ(overflow.status, 1);
    EXPECT_EQ(overflow.err, "Osiągnięto maksymalną liczbę węzłów (199)\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliRun help = runCli(dir, {"--help"});
    EXPECT_THAT(help.out, ::testing::HasSubstr("refine FILE -n N -o OUT"));
}

} // namespace
} // namespace zorind
