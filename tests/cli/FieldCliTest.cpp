// zorind-cli field, run as a program on an annulus with a known solution.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/SolverModels.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::Point;

// 1 < r < 2 about (3, 3), 100 on the hole, 0 outside: 96 + 64 elements.
std::string writeAnnulus(const test::TempDir& dir)
{
    Project p = test::emptyProject();
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(
        p, test::circlePoints(3.0, 3.0, 2.0, 96), [&](Point, Point) { return cold; }, 1);
    test::addChain(
        p, test::circlePoints(3.0, 3.0, 1.0, 64, true), [&](Point, Point) { return hot; }, hole);
    const std::string path = dir.file("pierscien.tav");
    EXPECT_TRUE(saveProjectFile(p, path).ok());
    return path;
}

double exact(double x, double y)
{
    return 100.0 * std::log(std::hypot(x - 3.0, y - 3.0) / 2.0) / std::log(0.5);
}

struct GridValue {
    double x, y, value;
};

// The grid is the cell centres over the box [1, 5]², row by row from the
// bottom; exactly the centres in the region are printed, each with the
// annulus's value within 0.5 % of the range, and --json gives the same.
TEST(FieldCli, PrintsThePotentialAtTheGridPointsInTheRegion)
{
    test::TempDir dir;
    const std::string file = writeAnnulus(dir);
    const test::CliRun run = test::runCli(dir, {"field", file, "--grid", "41x36"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<GridValue> text;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        GridValue v{};
        ASSERT_TRUE(fields >> v.x >> v.y >> v.value) << line;
        text.push_back(v);
    }
    std::vector<GridValue> expected;
    for (int j = 0; j < 36; ++j) {
        for (int i = 0; i < 41; ++i) {
            const double x = 1.0 + (i + 0.5) * 4.0 / 41;
            const double y = 1.0 + (j + 0.5) * 4.0 / 36;
            const double r = std::hypot(x - 3.0, y - 3.0);
            // Between the circles and their polygons the answer is the
            // polygons'; such centres are not asked about.
            if (std::fabs(r - 1.0) < 0.004 || std::fabs(r - 2.0) < 0.004) {
                ADD_FAILURE() << "a centre too close to a circle for this test";
            }
            if (r > 1.0 && r < 2.0) {
                expected.push_back({x, y, exact(x, y)});
            }
        }
    }
    ASSERT_EQ(text.size(), expected.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        EXPECT_NEAR(text[k].x, expected[k].x, 1e-7);
        EXPECT_NEAR(text[k].y, expected[k].y, 1e-7);
        EXPECT_NEAR(text[k].value, expected[k].value, 0.5) << text[k].x << ' ' << text[k].y;
    }

    const test::CliRun json = test::runCli(dir, {"field", file, "--grid", "41x36", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    std::string want = "[";
    std::istringstream again(run.out);
    bool first = true;
    for (std::string line; std::getline(again, line);) {
        std::istringstream fields(line);
        std::string x, y, v;
        fields >> x >> y >> v;
        if (!first) {
            want += ',';
        }
        want.append("{\"x\":").append(x).append(",\"y\":").append(y).append(",\"value\":").append(v).append("}");
        first = false;
    }
    EXPECT_EQ(json.out, want + "]\n");
}

TEST(FieldCli, RefusesAMissingOrBadGridAndAnUnreadableFile)
{
    test::TempDir dir;
    const std::string file = writeAnnulus(dir);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"field", file},
                                               {"field", file, "--grid", "0x5"},
                                               {"field", file, "--grid", "5"},
                                               {"field", file, "--grid", "5x-1"},
                                               {"field", file, "--grid", "99999x2"},
                                               {"field", dir.file("brak.tav"), "--grid", "5x5"}}) {
        const test::CliRun run = test::runCli(dir, args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
    }
}

// render --map colours the region (the hole stays white) and, like
// --potential, puts the colour scale at the right edge; in an SVG the map is
// one embedded image.
TEST(FieldCli, RenderDrawsTheMapAndTheLegend)
{
    test::TempDir dir;
    const std::string file = writeAnnulus(dir);
    for (const char* flag : {"--map", "--potential"}) {
        const test::CliRun run =
            test::runCli(dir, {"render", file, flag, "--fit", "--equal-scale", "--size", "600x400", "-o", "m.png"});
        ASSERT_EQ(run.status, 0) << run.err;
        QImage image(QString::fromStdString(dir.file("m.png")));
        ASSERT_FALSE(image.isNull());
        // The legend's bar: the stroke 60 pixels into the last 71 pixels.
        int coloured = 0;
        for (int y = 40; y < 360; y += 10) {
            const QColor c = image.pixelColor(600 - 71 + 60, y);
            coloured += c.saturation() > 100 ? 1 : 0;
        }
        EXPECT_GT(coloured, 25) << flag;
    }
    ASSERT_EQ(test::runCli(dir, {"render", file, "--map", "--fit", "--equal-scale", "--size", "600x400", "-o", "m.png"})
                  .status,
              0);
    const QImage withMap(QString::fromStdString(dir.file("m.png")));
    // The model is drawn left of the legend, centred: the hole in the middle
    // stays white, the ring between the circles is coloured.
    const int cx = (600 - 71) / 2;
    EXPECT_EQ(withMap.pixelColor(cx, 200 - 5), QColor(Qt::white));
    int ring = 0;
    for (int dx = 100; dx <= 150; dx += 5) {
        ring += withMap.pixelColor(cx + dx, 200 - 5).saturation() > 100 ? 1 : 0;
        ring += withMap.pixelColor(cx - dx, 200 - 5).saturation() > 100 ? 1 : 0;
    }
    EXPECT_GT(ring, 16);
    // The legend shows one scale: the map's is the potential's.
    EXPECT_EQ(test::runCli(dir, {"render", file, "--map", "--flux", "-o", "f.png"}).status, 2);
    EXPECT_TRUE(test::runCli(dir, {"render", file, "--map", "--potential", "-o", "f.png"}).status == 0);
    ASSERT_EQ(test::runCli(dir, {"render", file, "--map", "-o", "m.svg"}).status, 0);
    const std::string svg = test::readAll(dir.file("m.svg"));
    EXPECT_NE(svg.find("<image"), std::string::npos);
}

} // namespace
} // namespace zorind
