// zorind-cli balance and probe, run as programs: what they print, in text
// and JSON, and their exit statuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/ClosedFormModels.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string save(const test::TempDir& dir, const Project& p, const std::string& name)
{
    const std::string path = dir.file(name);
    EXPECT_TRUE(saveProjectFile(p, path).ok());
    return path;
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

// The number after `key":` in a JSON text (the first of a pair), from
// `from` on.
double jsonValue(const std::string& json, const std::string& key, std::size_t from = 0)
{
    std::size_t at = json.find("\"" + key + "\":", from);
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) {
        return 0.0;
    }
    at += key.size() + 3;
    return std::stod(json.substr(json[at] == '[' ? at + 1 : at));
}

// The plate solved on the fly: a row per boundary and per condition, then
// the total and the imbalance; JSON with the same numbers.
TEST(AnswersCli, BalanceOfThePlate)
{
    test::TempDir dir;
    const std::string file = save(dir, test::plate(), "plyta.tav");
    const test::CliRun run = test::runCli(dir, {"balance", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 8u) << run.out;
    EXPECT_EQ(out[0], "# boundary elements length flux minPotential maxPotential meanPotential");
    EXPECT_THAT(out[1], StartsWith("1 32 6 "));
    EXPECT_EQ(out[2], "# condition elements length flux minPotential maxPotential meanPotential");
    // Condition 3, the cold side: 8 elements, length 1, 100 flowing out.
    std::istringstream cold(out[5]);
    int number = 0, elements = 0;
    double length = 0, flux = 0;
    cold >> number >> elements >> length >> flux;
    EXPECT_EQ(number, 3);
    EXPECT_EQ(elements, 8);
    EXPECT_NEAR(flux, 100.0, 1.0);
    EXPECT_THAT(out[6], StartsWith("total "));
    EXPECT_THAT(out[7], StartsWith("imbalance "));

    const test::CliRun json = test::runCli(dir, {"balance", file, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, StartsWith("{\"analysisType\":1,\"boundaries\":[{\"boundary\":1,\"elements\":32,"));
    const std::size_t third = json.out.find("{\"condition\":3,");
    ASSERT_NE(third, std::string::npos);
    EXPECT_DOUBLE_EQ(jsonValue(json.out, "flux", third), flux);
    EXPECT_THAT(json.out, HasSubstr(",\"total\":"));
    EXPECT_THAT(json.out, HasSubstr(",\"imbalance\":"));
}

// The tension bar: force and moment in place of the flux, the total as a
// force and a moment, and the largest reduced stress with its node.
TEST(AnswersCli, BalanceOfTheTensionBar)
{
    test::TempDir dir;
    const std::string file = save(dir, test::tensionBar(), "pret.tav");
    const test::CliRun json = test::runCli(dir, {"balance", file, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, StartsWith("{\"analysisType\":10,\"boundaries\":[{\"boundary\":1,"));
    const std::size_t held = json.out.find("{\"condition\":1,");
    ASSERT_NE(held, std::string::npos);
    EXPECT_NEAR(jsonValue(json.out, "force", held + 1), -test::kBarPull, 0.005 * test::kBarPull);
    EXPECT_THAT(json.out, HasSubstr("\"total\":{\"force\":["));
    EXPECT_THAT(json.out, HasSubstr("\"largestReducedStress\":{\"node\":"));
    const test::CliRun text = test::runCli(dir, {"balance", file});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, StartsWith("# boundary elements length force.x force.y moment\n"));
    EXPECT_THAT(text.out, HasSubstr("\nlargestReducedStress "));
}

// N + 1 points, a line each, then the flux; JSON with the same points, the
// points outside with null values.
TEST(AnswersCli, ProbeOfThePlate)
{
    test::TempDir dir;
    const std::string file = save(dir, test::plate(), "plyta.tav");
    const test::CliRun run = test::runCli(dir, {"probe", file, "--from", "1.5,-1", "--to", "1.5,2", "-n", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 6u) << run.out;
    EXPECT_EQ(out[0], "# s x y inside value gradient.x gradient.y");
    EXPECT_EQ(out[1], "0 1.5 -1 0 nan nan nan");
    std::istringstream second(out[2]);
    double s = 0, x = 0, y = 0, value = 0, gx = 0, gy = 0;
    int inside = 0;
    second >> s >> x >> y >> inside >> value >> gx >> gy;
    EXPECT_EQ(inside, 1);
    EXPECT_DOUBLE_EQ(s, 1.0);
    EXPECT_NEAR(value, test::plateExact(1.5), 0.5);
    EXPECT_NEAR(gx, -50.0, 1.5);
    ASSERT_THAT(out[5], StartsWith("flux "));
    EXPECT_NEAR(std::stod(out[5].substr(5)), 100.0, 1.0);

    const test::CliRun json = test::runCli(dir, {"probe", file, "--from=1.5,-1", "--to=1.5,2", "-n", "3", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, StartsWith("{\"analysisType\":1,\"points\":[{\"s\":0,\"x\":1.5,\"y\":-1,"
                                     "\"inside\":false,\"value\":null,\"gradient\":null},{\"s\":1,"));
    EXPECT_DOUBLE_EQ(jsonValue(json.out, "flux"), std::stod(out[5].substr(5)));
}

// Elasticity: displacement and stresses per point, no flux.
TEST(AnswersCli, ProbeOfTheTensionBar)
{
    test::TempDir dir;
    const std::string file = save(dir, test::tensionBar(), "pret.tav");
    const test::CliRun json =
        test::runCli(dir, {"probe", file, "--from", "4,0.5", "--to", "6,0.5", "-n", "1", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, HasSubstr("\"inside\":true,\"displacement\":["));
    EXPECT_NEAR(jsonValue(json.out, "sigmaX"), test::kBarPull, 0.01 * test::kBarPull);
    EXPECT_THAT(json.out, ::testing::Not(HasSubstr("flux")));
}

// Refused with exit status 2: a segment of zero length, one outside the
// region, coordinates that are no numbers; a model the check refuses gives
// the check's report and 1.
TEST(AnswersCli, RefusedProbesAndModels)
{
    test::TempDir dir;
    const std::string file = save(dir, test::plate(), "plyta.tav");
    const auto probe = [&](const std::string& from, const std::string& to) {
        return test::runCli(dir, {"probe", file, "--from", from, "--to", to});
    };
    const test::CliRun zero = probe("1,0.5", "1,0.5");
    EXPECT_EQ(zero.status, 2);
    EXPECT_THAT(zero.err, HasSubstr("Odcinek ma zerową długość"));
    const test::CliRun outside = probe("3,0", "4,1");
    EXPECT_EQ(outside.status, 2);
    EXPECT_THAT(outside.err, HasSubstr("Odcinek leży w całości poza obszarem"));
    const test::CliRun words = probe("1,a", "4,1");
    EXPECT_EQ(words.status, 2);
    EXPECT_THAT(words.err, HasSubstr("--from 1,a"));
    EXPECT_EQ(probe("1;0.5", "4,1").status, 2);
    EXPECT_EQ(probe("nan,0.5", "4,1").status, 2);

    Project broken = test::plate();
    broken.elements[3].endNode = broken.elements[5].startNode;
    const std::string bad = save(dir, broken, "zla.tav");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"balance", bad}, {"probe", bad, "--from", "1,0.5", "--to", "1.5,0.5"}}) {
        const test::CliRun run = test::runCli(dir, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_THAT(run.err, HasSubstr("Znaleziono błędy w zadaniu..."));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(test::runCli(dir, {"balance", dir.file("brak.tav")}).status, 2);
}

// render --arrows solves and draws the flux arrows over the region (a
// picture of its own); an elasticity project has no flux: status 4.
TEST(AnswersCli, RenderDrawsFluxArrows)
{
    test::TempDir dir;
    const std::string file = save(dir, test::plate(), "plyta.tav");
    ASSERT_EQ(test::runCli(dir, {"render", file, "--fit", "--arrows", "-o", "arrows.png"}).status, 0);
    ASSERT_EQ(test::runCli(dir, {"render", file, "--fit", "-o", "plain.png"}).status, 0);
    const QImage arrows(QString::fromStdString(dir.file("arrows.png")));
    const QImage plain(QString::fromStdString(dir.file("plain.png")));
    ASSERT_FALSE(arrows.isNull());
    EXPECT_EQ(arrows.size(), plain.size());
    EXPECT_NE(arrows, plain);
    const std::string bar = save(dir, test::tensionBar(), "pret.tav");
    const test::CliRun refused = test::runCli(dir, {"render", bar, "--arrows", "-o", "bar.png"});
    EXPECT_EQ(refused.status, 4);
    EXPECT_FALSE(std::filesystem::exists(dir.file("bar.png")));
}

} // namespace
} // namespace zorind
