// The elasticity export: the exchange file byte for byte, its messages and
// the rule that picks and starts the solver.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExportCommand.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

// A 4 x 3 plate held at its bottom edge, loaded at its top and left edges,
// its right edge a traction edge without load, and a free node 5. The middle
// values (99) are never exported.
Project plate()
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    p.conditions.append({2.0f, 0.5f, 99.0f, 0.25f, -1.0f, 99.0f, 0.0f, 0.0f}); // held
    p.conditions.append({1.0f, 0.0f, 99.0f, 0.0f, -5.0f, 99.0f, -2.5f, 0.0f}); // loaded
    p.conditions.append({1.0f, 0.0f, 99.0f, 0.0f, 0.0f, 99.0f, 0.0f, 0.0f});   // free edge
    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}, {0, 3}}, 2);
    p.elements[1].condition = 1;
    p.elements[2].condition = 3;
    test::addNode(p, 9.0f, 9.0f);
    return p;
}

TEST(ExchangeFile, PlateWithoutInternalPoints)
{
    // Node 1 lies on the held and a loaded element: in both lists. Node 3's
    // first traction end carries no load, so its loaded second end is not
    // listed. The free node 5 is written with the nodes and nowhere else.
    EXPECT_EQ(exchangeFileText(plate()), "0 4 5 0 1 0 210000003072.000000 0.300000\n"
                                         "1 0.000000 0.000000 0 0\n"
                                         "2 4.000000 0.000000 0 0\n"
                                         "3 4.000000 3.000000 0 0\n"
                                         "4 0.000000 3.000000 0 0\n"
                                         "5 9.000000 9.000000 0 0\n"
                                         "1 1 2\n2 2 3\n3 3 4\n4 4 1\n"
                                         "2 2\n"
                                         "1 0.500000 -1.000000 1 1\n"
                                         "2 0.250000 0.000000 1 1\n"
                                         "1 0.000000 -2.500000\n"
                                         "4 0.000000 -2.500000\n");
}

TEST(ExchangeFile, InternalPointsFollowTheNodesAndMissingConditionsGiveNoLines)
{
    Project p = plate();
    test::addInternalPoint(p, 1.5f, 0.1f);
    test::addInternalPoint(p, -2.0f, 12345.5f);
    // Element 2 names no condition now: node 3's first traction end is the
    // loaded start of element 3.
    p.elements[2].condition = 42;
    const std::string text = exchangeFileText(p);
    EXPECT_EQ(text.rfind("0 4 5 2 1 0 210000003072.000000 0.300000\n", 0), 0u) << text;
    EXPECT_NE(text.find("5 9.000000 9.000000 0 0\n6 1.500000 0.100000\n7 -2.000000 12345.500000\n1 1 2\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n2 3\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n3 0.000000 -5.000000\n"), std::string::npos) << text;
}

struct RecordingLauncher : SolverLauncher {
    bool succeed = true;
    std::vector<SolverLaunch> started;
    bool start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDirectory) override
    {
        started.push_back({program, arguments, workingDirectory});
        return succeed;
    }
};

TEST(ExportCommand, RefusesOtherAnalysesAndStartsNothingWithoutItsFile)
{
    test::TempDir dir;
    RecordingLauncher launcher;
    for (int type : {1, 11}) {
        Project p = plate();
        p.analysisType = type;
        ScriptedInteraction ui;
        ui.defaultAnswer = true;
        EXPECT_EQ(exportCommand(p, ui, launcher, dir.path(), dir.path()), ExportOutcome::Refused);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "Eksportuje tylko pliki dla obliczeń spężystych");
        EXPECT_EQ(ui.shown[0].caption, "Eksport");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "tav_ed.dat"));

    // A folder that does not exist: an error, and neither the success box
    // nor the question to start the solver.
    ScriptedInteraction ui;
    ui.defaultAnswer = true;
    EXPECT_EQ(exportCommand(plate(), ui, launcher, dir.path() / "brak", dir.path()), ExportOutcome::CannotWrite);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_NE(ui.shown[0].text.find("tav_ed.dat"), std::string::npos);
    EXPECT_TRUE(launcher.started.empty());
}

// A write that fails half-way leaves the previous export as it was, and no
// temporary file beside it. A file-size limit stands in for a full disk.
TEST(ExportCommand, FailedWriteLeavesThePreviousExchangeFileAsItWas)
{
    test::TempDir work;
    const std::string earlier = "the previous export\n";
    work.write("tav_ed.dat", earlier);
    ScriptedInteraction ui;
    rlimit normal{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
    rlimit small = normal;
    small.rlim_cur = 16;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ExportOutcome outcome = writeExchangeFile(plate(), ui, work.path());
    setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(outcome, ExportOutcome::CannotWrite);
    EXPECT_EQ(test::readAll(work.file("tav_ed.dat")), earlier);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), std::filesystem::directory_iterator()),
              1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_NE(ui.shown[0].text.find("tav_ed.dat"), std::string::npos);
}

TEST(ExportCommand, StartsSolverExeFromTheWorkingFolderOrElseTheInstalledSolver)
{
    test::TempDir work;
    const std::filesystem::path programs = "/opt/zorind/bin";
    const std::vector<std::string> files{"tav_ed.dat", "tav_ed.wyn"};
    RecordingLauncher launcher;

    // No: the file stays written and nothing starts.
    // The plate's nodes 3 and 4 carry different loads on their two sides.
    ScriptedInteraction no;
    EXPECT_EQ(exportCommand(plate(), no, launcher, work.path(), programs), ExportOutcome::Exported);
    EXPECT_EQ(test::readAll(work.file("tav_ed.dat")), exchangeFileText(plate()));
    EXPECT_TRUE(launcher.started.empty());
    ASSERT_EQ(no.shown.size(), 3u);
    EXPECT_EQ(no.shown[0].text, splitLoadsMessage({3, 4}));
    EXPECT_EQ(no.shown[1].text, "Wyeksportowano plik do PURDEX");
    EXPECT_EQ(no.shown[1].kind, MessageKind::Exclamation);
    EXPECT_EQ(no.shown[2].text, "Uruchomić moduł liczący(spowoduje to zamknięcie programu)");
    EXPECT_TRUE(no.shown[2].isQuestion);
    EXPECT_EQ(no.shown[2].kind, MessageKind::Exclamation) << "the question warns";

    // Yes: the solver installed beside this program, or a solver.exe in the
    // working folder, named relative to it; a start that fails is said.
    ScriptedInteraction yes;
    yes.defaultAnswer = true;
    EXPECT_EQ(exportCommand(plate(), yes, launcher, work.path(), programs), ExportOutcome::SolverStarted);
    work.write("solver.exe", "");
    EXPECT_EQ(exportCommand(plate(), yes, launcher, work.path(), programs), ExportOutcome::SolverStarted);
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[0].program, (programs / "zorind-elastic").string());
    EXPECT_EQ(launcher.started[1].program, "./solver.exe");
    for (const SolverLaunch& launch : launcher.started) {
        EXPECT_EQ(launch.arguments, files);
        EXPECT_EQ(launch.workingDirectory, work.path().string());
    }
    launcher.succeed = false;
    yes.clear();
    EXPECT_EQ(exportCommand(plate(), yes, launcher, work.path(), programs), ExportOutcome::SolverNotStarted);
    ASSERT_EQ(yes.shown.size(), 4u);
    EXPECT_EQ(yes.shown[3].kind, MessageKind::Error);
    EXPECT_NE(yes.shown[3].text.find("./solver.exe"), std::string::npos);
}

// The exchange file holds one load per node: where the traction elements
// meeting at a node load it differently (in x or in y, a free side
// included), the export names the node before it says it is done, and
// writes the same file all the same. A node where a held element meets a
// loaded one keeps its load (the solver puts it on the loaded side); one
// where the loads agree is not named.
TEST(ExportCommand, NodesWhoseSidesCarryDifferentLoadsAreNamed)
{
    Project p = plate();
    // Node 3: the free element 2 ends there, the loaded element 3 starts
    // there; node 4: element 3 ends with y -2.5, element 4 starts with -5.
    EXPECT_EQ(nodesWithSplitLoads(p), (std::vector<int>{3, 4}));
    p.conditions[2].atNode2Y = -5.0f;
    EXPECT_EQ(nodesWithSplitLoads(p), (std::vector<int>{3}));
    p.conditions[3].atNode2Y = -5.0f; // element 2 now ends at node 3 as element 3 starts there
    EXPECT_EQ(nodesWithSplitLoads(p), std::vector<int>{});
    p.conditions[3].atNode2 = 0.5f; // in x only
    EXPECT_EQ(nodesWithSplitLoads(p), (std::vector<int>{3}));
    p.conditions[3].atNode2 = 0.0f;

    test::TempDir work;
    for (const Project& exported : {plate(), p}) {
        ScriptedInteraction ui;
        EXPECT_EQ(writeExchangeFile(exported, ui, work.path()), ExportOutcome::Exported);
        EXPECT_EQ(test::readAll(work.file("tav_ed.dat")), exchangeFileText(exported));
        EXPECT_EQ(ui.shown.back().text, kExportedMessage);
        EXPECT_EQ(ui.shown.size(), nodesWithSplitLoads(exported).empty() ? 1u : 2u);
        EXPECT_EQ(ui.shown.front().caption, kExportCaption);
        EXPECT_EQ(ui.shown.front().kind, MessageKind::Exclamation);
    }
    EXPECT_EQ(splitLoadsMessage({3, 4}), "Węzły 3, 4 tracą w pliku wymiany obciążenie jednej ze stron: elementy po "
                                         "obu stronach mają w nich różne obciążenia, a plik przenosi jedno "
                                         "obciążenie na węzeł");
    EXPECT_EQ(splitLoadsMessage({7}), "Węzeł 7 traci w pliku wymiany obciążenie jednej ze stron: elementy po obu "
                                      "stronach mają w nim różne obciążenia, a plik przenosi jedno obciążenie na "
                                      "węzeł");
}

} // namespace
} // namespace zorind
