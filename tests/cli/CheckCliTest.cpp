#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::addElement;
using test::addNode;
using test::addPolygon;
using test::CliRun;
using test::elementsOf;
using test::emptyProject;
using test::readAll;
using test::runCli;
using test::TempDir;

std::string writeModel(const TempDir& dir, const std::string& name, const Project& p)
{
    return dir.write(name, writeProjectText(p));
}

Project readModel(const std::string& path)
{
    Project p = emptyProject();
    const FileResult r = loadProjectFile(path, p);
    EXPECT_TRUE(r.ok()) << path << ": " << r.detail;
    return p;
}

TEST(CliCheck, SoundModelPrintsTheClosingMessageAndExitsZero)
{
    TempDir dir;
    Project p = emptyProject();
    addPolygon(p, {{0, 0}, {4, 0}, {0, 3}});
    const CliRun run = runCli(dir, {"check", writeModel(dir, "ok.tav", p)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Nie znaleziono błędów\n");
    EXPECT_EQ(run.err, "");
}

// A closed triangle whose elements are stored out of chain order.
Project triangleOutOfOrder()
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 4, 0);
    addNode(p, 0, 3);
    addElement(p, 2, 3);
    addElement(p, 1, 2);
    addElement(p, 3, 1);
    return p;
}

TEST(CliCheck, EveryMessageOnItsOwnLineAndExitOne)
{
    TempDir dir;
    Project p = triangleOutOfOrder();
    addNode(p, 9, 9); // free
    const CliRun run = runCli(dir, {"check", writeModel(dir, "bad.tav", p)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Węzeł 4 nie posiada odwołania do elementu.\\nUsuń wolne węzły.\n"
                       "Błędne elementy.\\nRenumeruj elementy\n");
}

TEST(CliCheck, OrientationWarningDoesNotFailTheCheck)
{
    TempDir dir;
    Project p = emptyProject();
    addPolygon(p, {{0, 0}, {0, 3}, {4, 0}}); // clockwise outer boundary
    const CliRun run = runCli(dir, {"check", writeModel(dir, "cw.tav", p)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Brzeg 1 (zewnętrzny) biegnie zgodnie z ruchem wskazówek zegara.\\n"
                       "Brzeg zewnętrzny powinien biec przeciwnie do ruchu wskazówek zegara, "
                       "inaczej strumienie na brzegu i wyniki w węzłach wewnętrznych będą błędne.\n"
                       "Nie znaleziono błędów\n");
}

TEST(CliCheck, ShippedExamplesPass)
{
    TempDir dir;
    for (const char* name : {"plyta.tav", "pierscien.tav", "wspornik.tav"}) {
        const CliRun run = runCli(dir, {"check", std::string(ZORIND_EXAMPLES_DIR) + "/" + name});
        EXPECT_EQ(run.status, 0) << name << "\n" << run.out << run.err;
        EXPECT_EQ(run.out, "Nie znaleziono błędów\n") << name;
    }
}

TEST(CliCheck, UnreadableFileAndUsageErrorsExitTwo)
{
    TempDir dir;
    const std::string missing = dir.file("missing.tav");
    CliRun run = runCli(dir, {"check", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Nie można otworzyć pliku " + missing + "\n");
    // A folder is no project file either.
    run = runCli(dir, {"check", dir.path().string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Nie można otworzyć pliku " + dir.path().string() + "\n");

    const std::string damaged = dir.write("damaged.tav", "3 1 1 1 0\n0 0\n1 x\n");
    run = runCli(dir, {"check", damaged});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, ::testing::StartsWith("Błędny format pliku " + damaged + "\\n"));

    EXPECT_EQ(runCli(dir, {"check"}).status, 2);
    EXPECT_EQ(runCli(dir, {"check", damaged, "--verbose"}).status, 2);
    EXPECT_EQ(runCli(dir, {"renumber", damaged}).status, 2) << "no -o";
    EXPECT_EQ(runCli(dir, {"renumber", "-o"}).status, 2);
    EXPECT_EQ(runCli(dir, {"clean", "-o", dir.file("x.tav")}).status, 2) << "no input";
    EXPECT_EQ(runCli(dir, {"clean", damaged, "--everything", "-o", dir.file("x.tav")}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tav")));
}

TEST(CliRenumber, WritesTheChainOrderAndTheCheckThenPasses)
{
    TempDir dir;
    Project p = triangleOutOfOrder();
    const std::string in = writeModel(dir, "in.tav", p);
    const std::string out = dir.file("out.tav");
    const CliRun run = runCli(dir, {"renumber", in, "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_THAT(elementsOf(readModel(out)),
                ::testing::ElementsAre(Element{2, 3, 1, 1}, Element{3, 1, 1, 1}, Element{1, 2, 1, 1}));
    EXPECT_EQ(readAll(in), writeProjectText(p)) << "the input file is not touched";

    EXPECT_EQ(runCli(dir, {"check", out}).status, 0);
}

TEST(CliRenumber, UnfollowableChainIsReportedOnStandardError)
{
    TempDir dir;
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 4, 0);
    addNode(p, 0, 3);
    addElement(p, 1, 2);
    addElement(p, 3, 2);
    addElement(p, 3, 1);
    const std::string out = dir.file("out.tav");
    const CliRun run = runCli(dir, {"renumber", writeModel(dir, "in.tav", p), "-o", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Nie można posortować elementów (2)\n");
    EXPECT_EQ(elementsOf(readModel(out)), elementsOf(p));
}

TEST(CliClean, RunsTheChosenCommandsInTheGivenOrder)
{
    // A square whose corner (10, 0) was drawn twice (nodes 2 and 5) with a
    // zero-length element between the two copies.
    TempDir dir;
    Project p = emptyProject();
    addNode(p, 0, 0);   // 1
    addNode(p, 10, 0);  // 2
    addNode(p, 10, 10); // 3
    addNode(p, 0, 10);  // 4
    addNode(p, 10, 0);  // 5
    addElement(p, 1, 2);
    addElement(p, 2, 5);
    addElement(p, 5, 3);
    addElement(p, 3, 4);
    addElement(p, 4, 1);
    const std::string in = writeModel(dir, "in.tav", p);

    const std::string a = dir.file("a.tav");
    CliRun run = runCli(dir, {"clean", in, "--zero-length", "--double-nodes", "--free-nodes", "-o", a});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Usunąć podwójne węzły ?\nUsunięto 1 węzłów.\n");
    Project cleaned = readModel(a);
    EXPECT_EQ(cleaned.nodeCount(), 4);
    EXPECT_THAT(elementsOf(cleaned), ::testing::ElementsAre(Element{1, 2, 1, 1}, Element{2, 3, 1, 1},
                                                            Element{3, 4, 1, 1}, Element{4, 1, 1, 1}));
    run = runCli(dir, {"check", a});
    EXPECT_EQ(run.status, 0) << run.out;

    // Free nodes first finds none; the zero-length element then goes and
    // leaves node 5 behind, unused.
    const std::string b = dir.file("b.tav");
    run = runCli(dir, {"clean", in, "--free-nodes", "--zero-length", "-o", b});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const Project partly = readModel(b);
    EXPECT_EQ(partly.nodeCount(), 5);
    EXPECT_EQ(partly.elementCount(), 4);
    EXPECT_EQ(runCli(dir, {"check", b}).status, 1);
}

TEST(CliClean, ModelLeftWithoutNodesIsNotSavedAndFails)
{
    TempDir dir;
    Project p = emptyProject();
    addNode(p, 1, 1);
    addNode(p, 2, 2);
    const std::string out = dir.file("out.tav");
    const CliRun run = runCli(dir, {"clean", writeModel(dir, "in.tav", p), "--free-nodes", "-o", out});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "Ilość węzłów równa 0\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace zorind
