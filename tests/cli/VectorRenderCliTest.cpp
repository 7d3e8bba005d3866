#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <string>
#include <vector>

#include "support/CliRunner.h"
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

struct SvgLine {
    QColor colour;
    QPoint from;
    QPoint to;
};

struct SvgContent {
    bool valid = false;
    QString viewBox;
    std::vector<SvgLine> lines;  // every two-point polyline, with its group's stroke
    std::vector<QPoint> markers; // black circles of radius 3: the nodes
    QStringList texts;
};

// The drawing as the SVG writer lays it out: groups carrying the pen, with
// lines, circles and texts inside them.
SvgContent readSvg(const std::string& path)
{
    SvgContent svg;
    QXmlStreamReader xml(QByteArray::fromStdString(readAll(path)));
    std::vector<QColor> strokes{QColor()};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            strokes.pop_back();
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            svg.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("g")) {
            strokes.push_back(a.hasAttribute("stroke") ? QColor(a.value("stroke").toString()) : strokes.back());
        } else if (xml.name() == QLatin1String("polyline")) {
            const QStringList points = a.value("points").toString().split(' ', Qt::SkipEmptyParts);
            if (points.size() == 2) {
                const QStringList p = points[0].split(',');
                const QStringList q = points[1].split(',');
                svg.lines.push_back(
                    {strokes.back(), QPoint(p[0].toInt(), p[1].toInt()), QPoint(q[0].toInt(), q[1].toInt())});
            }
        } else if (xml.name() == QLatin1String("circle")) {
            if (a.value("r").toInt() == 3 && strokes.back() == Qt::black) {
                svg.markers.emplace_back(a.value("cx").toInt(), a.value("cy").toInt());
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
    std::vector<SvgLine> elements;
    for (const SvgLine& l : svg.lines) {
        if (l.colour == Qt::black) {
            elements.push_back(l);
        }
    }
    ASSERT_EQ(elements.size(), 12u);
    for (const SvgLine& l : elements) {
        const QPoint middle = (l.from + l.to) / 2;
        EXPECT_EQ(png.pixelColor(middle), QColor(Qt::black)) << middle.x() << "," << middle.y();
    }
    EXPECT_EQ(png.pixelColor(200, 140), QColor(Qt::white));
    // Node markers are yellow discs at the element ends, crossed by the
    // elements through their centres.
    ASSERT_EQ(svg.markers.size(), 12u);
    for (const QPoint& centre : svg.markers) {
        EXPECT_EQ(png.pixelColor(centre + QPoint(1, 1)), QColor(Qt::yellow)) << centre.x() << "," << centre.y();
    }

    // Computed potentials come with their value labels as text.
    ASSERT_EQ(runCli(dir, {"render", example("plyta.tav"), "--potential", "-o", "potential.svg"}).status, 0);
    const SvgContent coloured = readSvg(dir.file("potential.svg"));
    EXPECT_TRUE(coloured.texts.contains("100.00")) << coloured.texts.join('|').toStdString();
    EXPECT_TRUE(coloured.texts.contains("25.00"));
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
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const qsizetype pagesAndPage = pdf.count("/Type /Page");
    EXPECT_EQ(pagesAndPage - pdf.count("/Type /Pages"), 1);
    // 800 x 600 pixels at 96 dpi are 600 x 450 points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 600.000000 450.000000]"));
    // The labels are text in an embedded font that maps back to characters.
    EXPECT_TRUE(pdf.contains("/FontFile2"));
    EXPECT_TRUE(pdf.contains("/ToUnicode"));
}

} // namespace
} // namespace zorind
