// The import of elasticity results: the result file reader, the command's
// messages and the number format of the elasticity results list.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/exchange/ElasticityResults.h"
#include "core/exchange/ImportCommand.h"
#include "core/exchange/ResultFile.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/ResultFiles.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::NodeResult;
using test::resultFile;
using test::resultPair;
using test::sampleResults;

const std::string kHeader(test::kHeader);

// What a record of `n` gives, with or without its block 2 record.
NodeResultValues valuesOf(const NodeResult& n, bool withStresses = true)
{
    NodeResultValues v{true, n.dx, n.dy, n.fx, n.fy, true};
    if (withStresses) {
        v.sigmaX = n.sigmaX;
        v.sigmaY = n.sigmaY;
        v.sigmaZ = n.sigmaZ;
        v.tauXY = n.tauXY;
        v.reduced = n.reduced;
    }
    return v;
}

bool nothingTaken(const ResultFileContent& c)
{
    return std::all_of(c.nodes.begin(), c.nodes.end(), [](const auto& n) { return n == NodeResultValues{}; });
}

TEST(ResultFile, RecordsFillTheNodesInFileOrderAndASecondPairOverwrites)
{
    std::vector<NodeResult> first = sampleResults(3);
    first[0].number = 3;
    first[2].number = 1;
    ResultFileContent c = readResultText(resultFile(first), 3);
    EXPECT_TRUE(c.complete);
    ASSERT_EQ(c.nodes.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(c.nodes[k], valuesOf(first[k])) << "node " << k + 1;
    }

    std::vector<NodeResult> second = sampleResults(3);
    second[1].dx = 42.0f;
    c = readResultText(resultFile(first) + " notes\n" + resultPair(second), 3);
    EXPECT_EQ(c.headerCount, 2);
    EXPECT_EQ(c.nodes[1], valuesOf(second[1]));
}

TEST(ResultFile, OnlyTheExactHeaderLineCounts)
{
    const std::string pair = resultPair(sampleResults(2));
    const std::string afterHeader = pair.substr(kHeader.size());
    for (const std::string& changed : {pair.substr(1), " " + pair, kHeader + " " + afterHeader,
                                       kHeader.substr(0, kHeader.size() - 1) + "y" + afterHeader, std::string()}) {
        const ResultFileContent c = readResultText(changed, 2);
        EXPECT_FALSE(c.headerFound) << changed.substr(0, changed.find('\n'));
        EXPECT_TRUE(nothingTaken(c));
    }
}

TEST(ResultFile, ReadingStopsAtTheFirstFailureKeepingWhatWasRead)
{
    const std::vector<NodeResult> nodes = sampleResults(3);
    const std::string whole = resultFile(nodes);

    // The file ends inside node 3's block 2 record, before sigma z: the
    // stresses read before the end are kept, the others are zero.
    ResultFileContent c = readResultText(whole.substr(0, whole.rfind(' ' + test::g9(nodes[2].sigmaZ))), 3);
    EXPECT_TRUE(c.headerFound);
    EXPECT_FALSE(c.complete);
    EXPECT_EQ(c.nodes[1], valuesOf(nodes[1]));
    NodeResultValues cut = valuesOf(nodes[2], false);
    cut.sigmaX = nodes[2].sigmaX;
    cut.tauXY = nodes[2].tauXY;
    cut.sigmaY = nodes[2].sigmaY;
    EXPECT_EQ(c.nodes[2], cut);

    // A word for node 2's force x in block 1: its displacements are kept,
    // its forces and stresses are zero, node 3 is not reached, and a later
    // pair is not read either.
    std::string broken = whole;
    broken.replace(broken.find(' ' + test::g9(nodes[1].fx) + ' '), 4, " bad ");
    c = readResultText(broken + resultPair(nodes), 3);
    EXPECT_EQ(c.headerCount, 1);
    EXPECT_FALSE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf(nodes[0], false));
    EXPECT_EQ(c.nodes[1], (NodeResultValues{true, nodes[1].dx, nodes[1].dy, 0.0f, 0.0f, true}));
    EXPECT_EQ(c.nodes[2], NodeResultValues{});

    // The text ends right after a node number: the record is reached, with
    // nothing read.
    c = readResultText(kHeader + "\n\n1 1 2 3 4\n2", 3);
    EXPECT_EQ(c.nodes[1], (NodeResultValues{true, 0.0f, 0.0f, 0.0f, 0.0f, true}));
    EXPECT_EQ(c.nodes[2], NodeResultValues{});

    // A file that ends inside block 1 is cut short, not another model's.
    c = readResultText(whole.substr(0, whole.find("\n3 ") + 1), 3);
    EXPECT_FALSE(c.complete);
    EXPECT_FALSE(c.otherModelNodeCount.has_value());
    EXPECT_EQ(c.nodes[1], valuesOf(nodes[1], false));

    c = readResultText(kHeader + "\n", 3);
    EXPECT_TRUE(c.headerFound) << "a header as the last line";
    EXPECT_TRUE(nothingTaken(c));
}

TEST(ResultFile, NumbersAreReadAsScanfReadsThem)
{
    // Carriage returns before line feeds, numbers that touch, signs,
    // exponents, tabs and line ends inside a record, a magnitude too small
    // for a float.
    const std::string text = "banner\r\n" + kHeader +
                             "\r\n headings\r\n1 1.5-2.5 +3E2\t-.25\r\n2\r\n 1e-3 2. -0 4\r\n" +
                             "\r\nline 2\r\nline 3\r\n1 0 0 10 11 12 13 14\r\n2 0 0 1e-50 21 22 23 1e+3\r\n";
    const ResultFileContent c = readResultText(text, 2);
    ASSERT_TRUE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf({1, 1.5f, -2.5f, 300.0f, -0.25f, 10, 11, 12, 13, 14}));
    EXPECT_EQ(c.nodes[1], valuesOf({2, 0.001f, 2.0f, 0.0f, 4.0f, 0.0f, 21, 22, 23, 1000.0f}));

    // Too large for a float, infinity, NaN, an integer too large: the end.
    for (const char* record : {"1 7 8 9 1e39", "1 7 8 9 inf", "1 7 8 9 nan"}) {
        EXPECT_EQ(readResultText(kHeader + "\n\n" + record + "\n", 1).nodes[0],
                  (NodeResultValues{true, 7.0f, 8.0f, 9.0f, 0.0f, true}))
            << record;
    }
    EXPECT_TRUE(nothingTaken(readResultText(kHeader + "\n\n99999999999 0 0 0 0\n", 1)));
}

TEST(ResultFile, LinesAreTakenAsA255CharacterBufferTakesThem)
{
    const std::string pair = resultPair(sampleResults(1));
    EXPECT_TRUE(readResultText(std::string(300, '=') + "\n" + pair, 1).complete);
    // 254 characters fill the buffer: the rest of the line is read as a line
    // of its own, here the header.
    EXPECT_TRUE(readResultText(std::string(254, '=') + pair, 1).complete);
    EXPECT_FALSE(readResultText(std::string(253, '=') + pair, 1).headerFound);
    // A headings line longer than that leaves its rest to block 1.
    EXPECT_TRUE(nothingTaken(readResultText(kHeader + "\n" + std::string(260, 'N') + "\n1 1 2 3 4\n", 1)));
}

TEST(ImportCommand, AsksReportsFailuresAndValidatesOnceTheHeaderIsFound)
{
    test::TempDir dir;
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ui.defaultAnswer = true;
    importResultsCommand(p, ui, dir.path().string());
    EXPECT_TRUE(ui.shown.empty()) << "no nodes, no question";

    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}});
    p.elementResults[1].slot[1] = 5.0f;
    ui.answers = {false};
    importResultsCommand(p, ui, dir.path().string());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Importowac wyniki ?");
    EXPECT_EQ(ui.shown[0].caption, "Import wynikow z PURDEX");

    // No file, a folder, a file without the header: said, nothing changes.
    ui.clear();
    importResultsCommand(p, ui, dir.path().string());
    EXPECT_EQ(importResults(p, ui, dir.path().string()), ImportOutcome::CannotOpen);
    EXPECT_EQ(importResults(p, ui, dir.write("x.wyn", "no results\n")), ImportOutcome::NoHeader);
    ASSERT_EQ(ui.shown.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(ui.shown[i].kind, MessageKind::Error);
        EXPECT_EQ(ui.shown[i].caption, "Import wynikow z PURDEX");
    }
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.elementResults[1].slot[1], 5.0f);

    // A file cut short validates what was read, with a warning.
    const std::string whole = resultFile(sampleResults(3));
    ui.clear();
    EXPECT_EQ(importResults(p, ui, dir.write("cut.wyn", whole.substr(0, whole.size() - 10))), ImportOutcome::Partial);
    EXPECT_EQ(p.resultsValid, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
    EXPECT_EQ(p.elementResults[1].slot[1], sampleResults(1)[0].dx);

    // A whole file: every value of every node lands where the results list
    // reads it (displacements, forces, then the stresses).
    ui.clear();
    EXPECT_EQ(importResults(p, ui, dir.write("all.wyn", whole)), ImportOutcome::Complete);
    EXPECT_TRUE(ui.shown.empty());
    for (const NodeResult& n : sampleResults(3)) {
        EXPECT_EQ(elasticityValues(p, n.number),
                  (std::array<float, 9>{n.dx, n.dy, n.fx, n.fy, n.sigmaX, n.sigmaY, n.sigmaZ, n.tauXY, n.reduced}))
            << "node " << n.number;
    }
}

TEST(ImportCommand, ResultsOfAnotherModelAreRefusedWithBothNodeCounts)
{
    test::TempDir dir;
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 3}, {3, 3}, {2, 3}, {0, 3}});
    ASSERT_EQ(p.nodeCount(), 9);
    p.elementResults[1].slot[1] = 5.0f;
    p.elementResults[1].slot[3] = 6.0f;
    p.fluxResults[1].slot[1] = 7.0f;
    ScriptedInteraction ui;
    // Polish plurals: one "węzeł"; 2-4 "węzły" except 12-14; anything else
    // "węzłów", 21 included.
    const std::pair<int, const char*> files[] = {{12, "12 węzłów"}, {2, "2 węzły"},   {1, "1 węzeł"},
                                                 {21, "21 węzłów"}, {22, "22 węzły"}, {13, "13 węzłów"}};
    for (const auto& [count, said] : files) {
        const std::string path = dir.write("inny.wyn", resultFile(sampleResults(count)));
        ui.clear();
        EXPECT_EQ(importResults(p, ui, path), ImportOutcome::OtherModel) << count;
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text,
                  "Plik " + path + " dotyczy innego modelu: " + said + " w pliku, 9 w projekcie; nie wczytano wyników");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(ui.shown[0].caption, "Import wynikow z PURDEX");
    }
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.elementResults[1].slot[1], 5.0f);
    EXPECT_EQ(p.elementResults[1].slot[3], 6.0f);
    EXPECT_EQ(p.fluxResults[1].slot[1], 7.0f);

    // The last pair decides: another model's pair before this model's is
    // passed over, and nothing of it is kept where the later pair ends early.
    ResultFileContent c = readResultText(resultFile(sampleResults(4)) + kHeader + "\n\n1 1 2 3 4\n", 3);
    EXPECT_FALSE(c.otherModelNodeCount.has_value());
    EXPECT_EQ(c.nodes[0], (NodeResultValues{true, 1.0f, 2.0f, 3.0f, 4.0f, true}));
    EXPECT_EQ(c.nodes[1], NodeResultValues{});
    c = readResultText(resultFile(sampleResults(3)) + resultPair(sampleResults(4)), 3);
    EXPECT_EQ(c.otherModelNodeCount, 4);
    // A word after a record on its line is a bad number, not the block's end.
    c = readResultText(kHeader + "\n\n1 1 2 3 4 mm\n2 1 2 3 4\n", 3);
    EXPECT_FALSE(c.otherModelNodeCount.has_value());
    EXPECT_FALSE(c.complete);
}

// The notes the solver writes in the file's banner, as it writes them.
TEST(ImportCommand, TheSolversNotesFollowTheImportsOwnMessage)
{
    test::TempDir dir;
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}});
    const std::string open = "Węzeł 3 kończy brzeg, który nie jest zamknięty";
    // Longer than a line read, with a two-byte letter across the limit.
    const std::string longNote = std::string(245, '.') + "łąka poza obszarem ciała; wyniki są zerowe";
    const std::string banner = " ZORIND-ELASTIC\n Uwaga: " + open + "\r\n Uwaga: " + longNote + "\n\tUwaga:\n\n";
    const std::vector<NodeResult> nodes = sampleResults(3);
    const std::string earlier = " Uwaga: o wcześniejszym obliczeniu\n" + resultPair(nodes);
    const std::string whole = earlier + banner + resultPair(nodes);

    ScriptedInteraction ui;
    EXPECT_EQ(importResults(p, ui, dir.write("a.wyn", whole)), ImportOutcome::Complete);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Uwagi modułu liczącego:\n" + open + "\n" + longNote);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.shown[0].caption, "Import wynikow z PURDEX");

    ui.clear();
    EXPECT_EQ(importResults(p, ui, dir.write("b.wyn", whole.substr(0, whole.size() - 10))), ImportOutcome::Partial);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
    EXPECT_EQ(ui.shown[1].text, "Uwagi modułu liczącego:\n" + open + "\n" + longNote);

    // No notes, no message; another model's notes are not shown.
    ui.clear();
    EXPECT_EQ(importResults(p, ui, dir.write("c.wyn", resultFile(nodes))), ImportOutcome::Complete);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(importResults(p, ui, dir.write("d.wyn", banner + resultPair(sampleResults(4)))),
              ImportOutcome::OtherModel);
    EXPECT_EQ(ui.shown.size(), 1u);
}

// A plate in plane stress, solved by the program as the plane-strain body of
// its equivalent material, keeps the file's displacements and stresses in
// its plane; its sz is 0 and its reduced stress the in-plane von Mises.
TEST(ImportCommand, APlateInPlaneStressHasNoStressAcrossIt)
{
    test::TempDir dir;
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}});
    p.material.planeStress = true;
    const std::vector<NodeResult> nodes = sampleResults(3);
    ScriptedInteraction ui;
    ASSERT_EQ(importResults(p, ui, dir.write("a.wyn", resultFile(nodes))), ImportOutcome::Complete);
    for (int k = 1; k <= 3; ++k) {
        const NodeResult& n = nodes[static_cast<std::size_t>(k - 1)];
        const std::array<float, 8>& e = p.elementResults[k].slot;
        EXPECT_EQ(e[1], n.dx);
        EXPECT_EQ(e[3], n.sigmaX);
        EXPECT_EQ(e[4], n.sigmaY);
        EXPECT_EQ(e[6], n.tauXY);
        EXPECT_EQ(e[5], 0.0f);
        const double sx = n.sigmaX, sy = n.sigmaY, txy = n.tauXY;
        EXPECT_FLOAT_EQ(
            e[7], static_cast<float>(std::sqrt(0.5 * ((sx - sy) * (sx - sy) + sy * sy + sx * sx) + 3.0 * txy * txy)));
    }
}

TEST(ElasticityResults, ValuesShowWithSixSignificantDigitsAndSixDecimalsOrTheirExponent)
{
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0.000000"},
        {1.23456789f, "1.234570"},
        {-0.000123456f, "-0.000123"},
        {123456.7f, "123457.000000"},
        {999999.4f, "999999.000000"},
        {999999.6f, "1.00000E+06"},
        {-1234567.0f, "-1.23457E+06"},
        // A value six decimals would show as zeros shows its digits; one
        // they show a digit of stays in fixed notation.
        {-2.5e-10f, "-2.50000E-10"},
        {4.9e-7f, "4.90000E-07"},
        {5.1e-7f, "0.000001"},
        {-0.0f, "0.000000"},
        {3.0e20f, "3.00000E+20"},
    };
    for (auto [value, text] : cases) {
        EXPECT_EQ(formatElasticityValue(value, '.'), text) << value;
    }
    EXPECT_EQ(formatElasticityValue(-1.5f, ','), "-1,500000");
}

} // namespace
} // namespace zorind
