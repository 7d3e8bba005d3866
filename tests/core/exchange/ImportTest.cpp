// The import of elasticity results: the result file reader, the command's
// messages and the elasticity results list.
#include <gtest/gtest.h>

#include "exchange/ElasticityResults.h"
#include "exchange/ImportCommand.h"
#include "exchange/ResultFile.h"
#include "support/ModelBuilders.h"
#include "support/ResultFiles.h"
#include "support/TempDir.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

using test::NodeResult;
using test::resultFile;
using test::resultPair;
using test::sampleResults;
using test::TempDir;

// The values a record of `n` gives, block 2 included or not.
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
    for (const NodeResultValues& n : c.nodes) {
        if (!(n == NodeResultValues{})) {
            return false;
        }
    }
    return true;
}

TEST(ResultFile, RecordsFillTheNodesInFileOrderWhateverTheirNumbers)
{
    std::vector<NodeResult> nodes = sampleResults(3);
    nodes[0].number = 3;
    nodes[1].number = 1;
    nodes[2].number = 2;
    const ResultFileContent c = readResultText(resultFile(nodes), 3);
    EXPECT_TRUE(c.headerFound);
    EXPECT_TRUE(c.complete);
    ASSERT_EQ(c.nodes.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(c.nodes[k], valuesOf(nodes[k])) << "node " << k + 1;
    }
}

TEST(ResultFile, OnlyTheExactHeaderLineCounts)
{
    const std::string pair = resultPair(sampleResults(2));
    const std::string header(test::kHeader);
    const std::size_t end = header.size();
    for (const std::string& changed : {pair.substr(1),                    // one blank less at its start
                                       " " + pair,                        // one blank more
                                       header + " " + pair.substr(end),   // a blank after it
                                       std::string("\t").append(pair, 1), // a tab for a blank
                                       header.substr(0, end - 1) + "y" + pair.substr(end), std::string()}) {
        const ResultFileContent c = readResultText(changed, 2);
        EXPECT_FALSE(c.headerFound) << changed.substr(0, changed.find('\n'));
        EXPECT_TRUE(nothingTaken(c));
    }
}

TEST(ResultFile, ReadingStopsAtTheFirstFailureKeepingWhatWasRead)
{
    const std::vector<NodeResult> nodes = sampleResults(3);
    const std::string whole = resultFile(nodes);

    // The file ends inside block 2, in the middle of node 3's record: the
    // stresses of node 3 stay zero, as block 1 left them.
    const std::string inBlock2 = whole.substr(0, whole.rfind('\n', whole.size() - 2) + 1) + "3 0 0 300";
    ResultFileContent c = readResultText(inBlock2, 3);
    EXPECT_TRUE(c.headerFound);
    EXPECT_FALSE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf(nodes[0]));
    EXPECT_EQ(c.nodes[1], valuesOf(nodes[1]));
    EXPECT_EQ(c.nodes[2], valuesOf(nodes[2], false));

    // A word where block 1 has node 2's force: node 1 is taken, nodes 2 and
    // 3 are not, and a later pair is not read either.
    std::string broken = whole;
    const std::string force = test::g9(nodes[1].fx);
    broken.replace(broken.find(" " + force + " ") + 1, force.size(), "bad");
    c = readResultText(broken + resultPair(sampleResults(3)), 3);
    EXPECT_TRUE(c.headerFound);
    EXPECT_EQ(c.headerCount, 1);
    EXPECT_FALSE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf(nodes[0], false));
    EXPECT_EQ(c.nodes[1], NodeResultValues{});
    EXPECT_EQ(c.nodes[2], NodeResultValues{});

    // A header as the very last line: found, nothing else read.
    c = readResultText(std::string(test::kHeader) + "\n", 3);
    EXPECT_TRUE(c.headerFound);
    EXPECT_TRUE(nothingTaken(c));
}

TEST(ResultFile, ASecondPairOverwritesTheFirst)
{
    std::vector<NodeResult> second = sampleResults(2);
    for (NodeResult& n : second) {
        n.dx = -n.dx;
        n.reduced = 1.0f;
    }
    const ResultFileContent c =
        readResultText(resultFile(sampleResults(2)) + " further notes\n" + resultPair(second), 2);
    EXPECT_EQ(c.headerCount, 2);
    EXPECT_TRUE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf(second[0]));
    EXPECT_EQ(c.nodes[1], valuesOf(second[1]));
}

TEST(ResultFile, NumbersAreReadAsScanfReadsThem)
{
    const std::string h(test::kHeader);
    // Carriage returns before the line feeds, numbers that touch, signs,
    // exponents, tabs and line ends inside a record, a magnitude too small
    // for a float.
    const std::string text = "banner\r\n" + h + "\r\n headings\r\n" +
                             "1 1.5-2.5 +3E2\t-.25\r\n"
                             "2\r\n 1e-3 2. -0 4\r\n"
                             "\r\nline 2\r\nline 3\r\n" +
                             "1 0 0 10 11 12 13 14\r\n2 0 0 1e-50 21 22 23 1e+3\r\n";
    const ResultFileContent c = readResultText(text, 2);
    ASSERT_TRUE(c.complete);
    EXPECT_EQ(c.nodes[0], valuesOf({1, 1.5f, -2.5f, 300.0f, -0.25f, 10, 11, 12, 13, 14}));
    EXPECT_EQ(c.nodes[1], valuesOf({2, 0.001f, 2.0f, -0.0f, 4.0f, 0.0f, 21, 22, 23, 1000.0f}));

    // Values a float cannot hold, infinity, NaN and an integer too large end
    // the reading there.
    for (const std::string record : {"1 0 0 0 1e39\n", "1 0 0 0 inf\n", "1 0 0 0 nan\n", "99999999999 0 0 0 0\n"}) {
        const ResultFileContent u = readResultText(h + "\n\n" + record, 1);
        EXPECT_FALSE(u.complete) << record;
        EXPECT_TRUE(nothingTaken(u)) << record;
    }
}

TEST(ResultFile, LinesAreTakenAsA255CharacterBufferTakesThem)
{
    const std::string pair = resultPair(sampleResults(1));
    const std::string h(test::kHeader);
    // A long banner line before the header does no harm.
    EXPECT_TRUE(readResultText(std::string(300, '=') + "\n" + pair, 1).complete);
    // 254 characters fill the buffer: what follows on the same line is read
    // as a line of its own, and here it is the header.
    EXPECT_TRUE(readResultText(std::string(254, '=') + pair, 1).complete);
    EXPECT_FALSE(readResultText(std::string(253, '=') + pair, 1).headerFound);
    // The headings line after the header is read the same way: a longer one
    // leaves its rest to block 1, which then cannot be read.
    const ResultFileContent c = readResultText(h + "\n" + std::string(260, 'N') + "\n1 1 2 3 4\n", 1);
    EXPECT_TRUE(c.headerFound);
    EXPECT_TRUE(nothingTaken(c));
}

// --- The command -------------------------------------------------------------

Project threeNodes()
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}});
    return p;
}

TEST(ImportCommand, MissingOrHeaderlessFilesAreReportedAndChangeNothing)
{
    test::TempDir dir;
    Project p = threeNodes();
    p.elementResults[1].slot[1] = 5.0f;
    const Project before = p;

    ScriptedInteraction ui;
    EXPECT_EQ(importResults(p, ui, dir.file("tav_ed.wyn")), ImportOutcome::CannotOpen);
    EXPECT_EQ(importResults(p, ui, dir.path().string()), ImportOutcome::CannotOpen) << "a folder is no file";
    EXPECT_EQ(importResults(p, ui, dir.write("tav_ed.wyn", "no results here\n")), ImportOutcome::NoHeader);
    ASSERT_EQ(ui.shown.size(), 3u);
    for (const auto& shown : ui.shown) {
        EXPECT_EQ(shown.caption, "Import wynikow z PURDEX");
        EXPECT_EQ(shown.kind, MessageKind::Error);
    }
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.elementResults[1], before.elementResults[1]);
    EXPECT_EQ(p.fluxResults[1], before.fluxResults[1]);
}

TEST(ImportCommand, AsksFirstAndMarksTheResultsValidOnceTheHeaderIsFound)
{
    test::TempDir dir;
    const std::string whole = resultFile(sampleResults(3));
    dir.write("tav_ed.wyn", whole);

    Project empty = test::emptyProject();
    ScriptedInteraction ui;
    ui.defaultAnswer = true;
    EXPECT_FALSE(importResultsCommand(empty, ui, dir.path().string()));
    EXPECT_TRUE(ui.shown.empty()) << "no nodes, no question";

    Project p = threeNodes();
    ui.answers = {false};
    EXPECT_FALSE(importResultsCommand(p, ui, dir.path().string()));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Importowac wyniki ?");
    EXPECT_EQ(ui.shown[0].caption, "Import wynikow z PURDEX");
    EXPECT_EQ(p.resultsValid, 0);

    ui.clear();
    EXPECT_TRUE(importResultsCommand(p, ui, dir.path().string()));
    EXPECT_EQ(ui.shown.size(), 1u) << "a complete file is read without a word";
    EXPECT_EQ(p.resultsValid, 1);
    EXPECT_EQ(p.elementResults[3].slot[7], sampleResults(3)[2].reduced);

    // A file cut short still validates the results, with a warning.
    Project q = threeNodes();
    ui.clear();
    EXPECT_EQ(importResults(q, ui, dir.write("cut.wyn", whole.substr(0, whole.size() - 10))), ImportOutcome::Partial);
    EXPECT_EQ(q.resultsValid, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
}

// --- The list ----------------------------------------------------------------

TEST(ElasticityResults, ValuesShowWithSixSignificantDigitsAndSixDecimals)
{
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0.000000"},
        {1.23456789f, "1.234570"},
        {-0.000123456f, "-0.000123"},
        {123456.7f, "123457.000000"},
        {999999.4f, "999999.000000"},
        {999999.6f, "1.00000E+06"},
        {-1234567.0f, "-1.23457E+06"},
        {2.5e-10f, "0.000000"},
        {-2.5e-10f, "0.000000"},
        {3.0e20f, "3.00000E+20"},
    };
    for (auto [value, text] : cases) {
        EXPECT_EQ(formatElasticityValue(value, '.'), text) << value;
    }
    EXPECT_EQ(formatElasticityValue(-1.5f, ','), "-1,500000");
    EXPECT_EQ(formatElasticityValue(1.5e7f, ','), "1,50000E+07");
}

TEST(ElasticityResults, RowsShowEachNodesValuesInColumnOrder)
{
    Project p = threeNodes();
    const NodeResult n = sampleResults(2)[1];
    test::TempDir dir;
    ScriptedInteraction ui;
    ASSERT_EQ(importResults(p, ui, dir.write("tav_ed.wyn", resultFile(sampleResults(3)))), ImportOutcome::Complete);
    const auto rows = elasticityResultRows(p, '.');
    ASSERT_EQ(rows.size(), 3u);
    const std::array<std::string, 10> expected{"2",
                                               formatElasticityValue(n.dx, '.'),
                                               formatElasticityValue(n.dy, '.'),
                                               formatElasticityValue(n.fx, '.'),
                                               formatElasticityValue(n.fy, '.'),
                                               formatElasticityValue(n.sigmaX, '.'),
                                               formatElasticityValue(n.sigmaY, '.'),
                                               formatElasticityValue(n.sigmaZ, '.'),
                                               formatElasticityValue(n.tauXY, '.'),
                                               formatElasticityValue(n.reduced, '.')};
    EXPECT_EQ(rows[1], expected);
}

} // namespace
} // namespace zorind
