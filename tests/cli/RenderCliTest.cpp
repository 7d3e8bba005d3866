#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/model/ProjectFile.h"
#include "support/CliRunner.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::CliRun;
using test::readAll;
using test::runCli;
using test::TempDir;

std::string example(const std::string& name)
{
    return std::string(ZORIND_EXAMPLES_DIR) + "/" + name;
}

struct PngHeader {
    bool valid = false;
    uint32_t width = 0;
    uint32_t height = 0;
};

uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return v;
}

// The signature and the image header chunk, which comes first.
PngHeader pngHeader(const std::string& path)
{
    const std::string bytes = readAll(path);
    PngHeader h;
    if (bytes.size() < 33 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0) {
        return h;
    }
    h.valid = true;
    h.width = bigEndian(bytes, 16);
    h.height = bigEndian(bytes, 20);
    return h;
}

TEST(RenderCli, EverySampleProjectBecomesAPngOfTheDefaultClientSize)
{
    for (const char* name : {"plyta.tav", "pierscien.tav", "wspornik.tav"}) {
        TempDir dir;
        const CliRun run = runCli(dir, {"render", example(name), "-o", "out.png"});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "") << name;
        const PngHeader h = pngHeader(dir.file("out.png"));
        EXPECT_TRUE(h.valid) << name;
        EXPECT_EQ(h.width, 640u);
        EXPECT_EQ(h.height, 480u);
    }
}

TEST(RenderCli, PotentialAndFluxComputeFirstAndColourTheDrawing)
{
    for (const char* name : {"plyta.tav", "pierscien.tav"}) {
        TempDir dir;
        ASSERT_EQ(runCli(dir, {"render", example(name), "-o", "plain.png"}).status, 0);
        const CliRun potential = runCli(dir, {"render", example(name), "--potential", "-o", "potential.png"});
        EXPECT_EQ(potential.status, 0) << name << ": " << potential.err;
        EXPECT_EQ(potential.out, "");
        EXPECT_EQ(potential.err, "");
        const CliRun flux = runCli(dir, {"render", "--flux", example(name), "-o", "flux.png"});
        EXPECT_EQ(flux.status, 0) << name << ": " << flux.err;
        EXPECT_TRUE(pngHeader(dir.file("potential.png")).valid);
        EXPECT_TRUE(pngHeader(dir.file("flux.png")).valid);
        const std::string plain = readAll(dir.file("plain.png"));
        EXPECT_NE(readAll(dir.file("potential.png")), plain) << name;
        EXPECT_NE(readAll(dir.file("flux.png")), plain) << name;
        EXPECT_NE(readAll(dir.file("flux.png")), readAll(dir.file("potential.png"))) << name;
    }
}

TEST(RenderCli, ElasticityIsNotComputedHereAndNoPictureIsWritten)
{
    TempDir dir;
    const CliRun run = runCli(dir, {"render", example("wspornik.tav"), "--potential", "-o", "out.png"});
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("tylko w zadaniach potencjalnych"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.png")));
}

// --displacements and --stress solve an elasticity project in the program's
// own process and draw what "Widok" shows: the deformed boundary in blue
// over the undeformed one, the boundary in the colours of the reduced
// stress with the colour scale at the right. A potential project has
// neither: status 4 and no picture.
TEST(RenderCli, ElasticityViewsSolveHereAndDrawTheDeformedBoundaryAndTheStress)
{
    TempDir dir;
    ASSERT_EQ(runCli(dir, {"render", example("wspornik.tav"), "--fit", "-o", "plain.png"}).status, 0);
    const CliRun deformed =
        runCli(dir, {"render", example("wspornik.tav"), "--fit", "--displacements", "-o", "deformed.png"});
    ASSERT_EQ(deformed.status, 0) << deformed.err;
    EXPECT_EQ(deformed.out, "");
    EXPECT_EQ(deformed.err, "");
    const CliRun stress = runCli(dir, {"render", example("wspornik.tav"), "--fit", "--stress", "-o", "stress.png"});
    ASSERT_EQ(stress.status, 0) << stress.err;

    const auto count = [&](const char* file, const std::function<bool(QColor)>& match) {
        const QImage image(QString::fromStdString(dir.file(file)));
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += match(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return n;
    };
    const auto blue = [](QColor c) { return c == QColor(0, 0, 255); };
    // Neither black, white, yellow nor the grid: a colour of the palette.
    const auto coloured = [](QColor c) { return c.saturation() > 0 && c != QColor(255, 255, 0); };
    EXPECT_EQ(count("plain.png", blue), 0);
    EXPECT_GT(count("deformed.png", blue), 100);
    EXPECT_GT(count("stress.png", coloured), count("plain.png", coloured) + 100);

    const CliRun heat = runCli(dir, {"render", example("plyta.tav"), "--stress", "-o", "heat.png"});
    EXPECT_EQ(heat.status, 4);
    EXPECT_NE(heat.err.find("tylko w zadaniach sprężystości"), std::string::npos) << heat.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("heat.png")));
}

// --map on an elasticity project solves it here and colours the region by
// the reduced stress, in the scale the boundary gets with --stress; the
// potential's map is not drawn there.
TEST(RenderCli, MapOfAnElasticityProjectColoursTheRegionByTheReducedStress)
{
    TempDir dir;
    const std::string model = example("wspornik.tav");
    for (const char* file : {"stress.png", "map.png", "both.png"}) {
        std::vector<std::string> args = {"render", model, "--fit", "-o", file};
        if (std::string(file) != "map.png") {
            args.push_back("--stress");
        }
        if (std::string(file) != "stress.png") {
            args.push_back("--map");
        }
        const CliRun run = runCli(dir, args);
        ASSERT_EQ(run.status, 0) << file << run.err;
        EXPECT_EQ(run.err, "") << file;
    }
    const auto coloured = [&](const char* file) {
        const QImage image(QString::fromStdString(dir.file(file)));
        int n = 0;
        // The drawing left of the legend.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width() - 71; ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.saturation() > 0 && c != QColor(255, 255, 0) && c != QColor(0, 0, 255) ? 1 : 0;
            }
        }
        return n;
    };
    // The region is an area, the boundary a line.
    const int map = coloured("map.png");
    EXPECT_GT(map, 10 * coloured("stress.png"));
    EXPECT_GE(coloured("both.png"), map);
    EXPECT_EQ(runCli(dir, {"render", model, "--map", "--potential", "-o", "p.png"}).status, 4);
}

TEST(RenderCli, CheckErrorsEndWithStatusOneAndTheirMessages)
{
    TempDir dir;
    Project p = test::emptyProject();
    test::addNode(p, 0, 0);
    test::addNode(p, 10, 0);
    test::addNode(p, 10, 10);
    test::addElement(p, 1, 2);
    test::addElement(p, 2, 3); // the chain is not closed
    const std::string model = dir.write("open.tav", writeProjectText(p));
    const CliRun run = runCli(dir, {"render", model, "--potential", "-o", "out.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.png")));
    // Without a computation the same model draws fine.
    EXPECT_EQ(runCli(dir, {"render", model, "-o", "out.png"}).status, 0);
}

TEST(RenderCli, SizeSetsTheClientArea)
{
    TempDir dir;
    const CliRun run = runCli(dir, {"render", example("plyta.tav"), "--size", "320x200", "-o", "small.png"});
    EXPECT_EQ(run.status, 0) << run.err;
    const PngHeader h = pngHeader(dir.file("small.png"));
    EXPECT_EQ(h.width, 320u);
    EXPECT_EQ(h.height, 200u);
}

TEST(RenderCli, FitShowsTheModelWhereverItLies)
{
    TempDir dir;
    Project p = test::emptyProject();
    test::addPolygon(p, {{1000, 1000}, {1010, 1000}, {1010, 1010}, {1000, 1010}});
    const std::string model = dir.write("far.tav", writeProjectText(p));
    Project empty = test::emptyProject();
    test::addNode(empty, 5000, 5000); // outside the default view as well
    const std::string nothing = dir.write("nothing.tav", writeProjectText(empty));
    ASSERT_EQ(runCli(dir, {"render", model, "-o", "plain.png"}).status, 0);
    ASSERT_EQ(runCli(dir, {"render", nothing, "-o", "nothing.png"}).status, 0);
    ASSERT_EQ(runCli(dir, {"render", model, "--fit", "-o", "fit.png"}).status, 0);
    // Unfitted, the far square is as invisible as the far node; fitted, it
    // shows.
    EXPECT_EQ(readAll(dir.file("plain.png")), readAll(dir.file("nothing.png")));
    EXPECT_NE(readAll(dir.file("fit.png")), readAll(dir.file("plain.png")));
}

TEST(RenderCli, UsageErrorsAndUnreadableFilesExitWithTwo)
{
    TempDir dir;
    const std::vector<std::vector<std::string>> bad = {
        {"render", example("plyta.tav")},                                           // no output
        {"render", "-o", "out.png"},                                                // no project
        {"render", example("plyta.tav"), "-o", "out.png", "--size", "0x100"},       // empty image
        {"render", example("plyta.tav"), "-o", "out.png", "--size", "640"},         // not WxH
        {"render", example("plyta.tav"), "-o", "out.png", "--size", "100000x100"},  // too large
        {"render", example("plyta.tav"), "-o", "out.png", "--potential", "--flux"}, // two views
        {"render", example("plyta.tav"), "-o", "out.png", "--colour"},              // unknown option
        {"render", dir.file("missing.tav"), "-o", "out.png"},                       // unreadable
    };
    for (const std::vector<std::string>& args : bad) {
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err, "") << args.back();
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.png"))) << args.back();
    }
}

TEST(RenderCli, AnOutputThatCannotBeWrittenIsReported)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("folder.png"));
    const CliRun run = runCli(dir, {"render", example("plyta.tav"), "-o", "folder.png"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("folder.png"), std::string::npos) << run.err;

    // A picture marked read-only is refused and kept; a writable one is
    // replaced by a whole new picture and keeps its mode.
    namespace fs = std::filesystem;
    const std::string kept = dir.write("stary.png", "stary obraz");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read);
    const CliRun refused = runCli(dir, {"render", example("plyta.tav"), "-o", kept});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("Plik jest tylko do odczytu."), std::string::npos) << refused.err;
    EXPECT_EQ(readAll(kept), "stary obraz");
    const std::string replaced = dir.write("nowy.png", "stary obraz");
    fs::permissions(replaced, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(runCli(dir, {"render", example("plyta.tav"), "-o", replaced}).status, 0);
    EXPECT_EQ(pngHeader(replaced).width, 640u);
    EXPECT_EQ(fs::status(replaced).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// What the SVG writer lays out inside groups that carry the pen: the black
// two-point lines (the elements) and the texts.
struct SvgContent {
    bool valid = false;
    QString viewBox;
    std::vector<QLine> lines;
    QStringList texts;
};

SvgContent readSvg(const std::string& path)
{
    SvgContent svg;
    QXmlStreamReader xml(QByteArray::fromStdString(readAll(path)));
    std::vector<QColor> strokes{QColor()};
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            strokes.pop_back();
        }
        const QXmlStreamAttributes a = xml.attributes();
        const bool black = strokes.back() == Qt::black;
        if (!xml.isStartElement()) {
            continue;
        } else if (xml.name() == QLatin1String("svg")) {
            svg.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("g")) {
            strokes.push_back(a.hasAttribute("stroke") ? QColor(a.value("stroke").toString()) : strokes.back());
        } else if (xml.name() == QLatin1String("polyline") && black) {
            const QStringList xy = a.value("points").toString().split(QRegularExpression("[ ,]"), Qt::SkipEmptyParts);
            if (xy.size() == 4) {
                svg.lines.emplace_back(xy[0].toInt(), xy[1].toInt(), xy[2].toInt(), xy[3].toInt());
            }
        } else if (xml.name() == QLatin1String("text")) {
            svg.texts << xml.readElementText().replace(',', '.');
        }
    }
    svg.valid = !xml.hasError();
    return svg;
}

TEST(VectorRenderCli, TheSvgHasTheLinesAndLabelsThePngShowsAtTheSamePixels)
{
    TempDir dir;
    for (const char* name : {"plain.svg", "plain.png"}) {
        const CliRun run = runCli(dir, {"render", example("plyta.tav"), "--fit", "--size", "400x300", "-o", name});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "");
    }
    const SvgContent svg = readSvg(dir.file("plain.svg"));
    ASSERT_TRUE(svg.valid);
    EXPECT_EQ(svg.viewBox, "0 0 400 300");
    const QImage png(QString::fromStdString(dir.file("plain.png")));
    ASSERT_EQ(png.size(), QSize(400, 300));

    // The twelve elements are black lines; their midpoints are black in the
    // picture, the middle of the plate between them is white.
    ASSERT_EQ(svg.lines.size(), 12u);
    for (const QLine& l : svg.lines) {
        const QPoint middle = l.center();
        EXPECT_EQ(png.pixelColor(middle), QColor(Qt::black)) << middle.x() << "," << middle.y();
    }
    EXPECT_EQ(png.pixelColor(200, 140), QColor(Qt::white));

    // Computed potentials come with their value labels as text.
    ASSERT_EQ(runCli(dir, {"render", example("plyta.tav"), "--potential", "-o", "potential.svg"}).status, 0);
    const SvgContent coloured = readSvg(dir.file("potential.svg"));
    EXPECT_TRUE(coloured.texts.contains("100.00")) << coloured.texts.join('|').toStdString();
    EXPECT_TRUE(coloured.texts.contains("25.00"));
}

TEST(VectorRenderCli, EqualScaleDrawsTheRingRoundInTheMiddleOfAWideDrawing)
{
    TempDir dir;
    // The box round every element line of the drawing.
    const auto ringBox = [&dir](const std::vector<std::string>& extra) {
        std::vector<std::string> args{"render",  example("pierscien.tav"), "--fit", "--size", "600x300", "-o",
                                      "ring.svg"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const SvgContent svg = readSvg(dir.file("ring.svg"));
        EXPECT_FALSE(svg.lines.empty());
        QRect box;
        for (const QLine& l : svg.lines) {
            box = box.united(QRect(l.p1(), l.p2()).normalized());
        }
        return box;
    };
    const QRect stretched = ringBox({});
    EXPECT_GT(stretched.width(), 2 * stretched.height()) << "each axis at its own scale";
    const QRect round = ringBox({"--equal-scale"});
    EXPECT_LE(std::abs(round.width() - round.height()), 2);
    EXPECT_NEAR(round.center().x(), 300, 2) << "centred across the drawing";
    EXPECT_NEAR(round.center().y(), stretched.center().y(), 2);

    const CliRun help = runCli(dir, {"--help"});
    EXPECT_NE(help.out.find("--equal-scale"), std::string::npos);
}

TEST(VectorRenderCli, ThePdfIsOnePageOfTheDrawingsSizeWithSearchableText)
{
    TempDir dir;
    const CliRun run =
        runCli(dir, {"render", example("pierscien.tav"), "--flux", "--size", "800x600", "-o", "Strumien.PDF"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QByteArray pdf = QByteArray::fromStdString(readAll(dir.file("Strumien.PDF")));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const qsizetype pagesAndPage = pdf.count("/Type /Page");
    EXPECT_EQ(pagesAndPage - pdf.count("/Type /Pages"), 1);
    // 800 x 600 pixels at 96 dpi are 600 x 450 points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 600.000000 450.000000]"));
    // The labels are text whose font maps back to characters.
    EXPECT_TRUE(pdf.contains("/ToUnicode"));
}

} // namespace
} // namespace zorind
