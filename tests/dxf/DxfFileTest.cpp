// DXF files written by dxflib's own writer and by hand, read and imported.
#include <gtest/gtest.h>

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <cmath>
#include <functional>
#include <memory>

#include "core/cad/DrawingImport.h"
#include "dxf/DxfFile.h"
#include "dxf/DxfScreen.h"
#include "core/model/ProjectFile.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind::dxf {
namespace {

constexpr double kPi = 3.14159265358979323846;

using Entities = std::function<void(DL_Dxf&, DL_WriterA&)>;

// A whole AutoCAD 2000 file from dxflib's writer: `blocks` in the blocks
// section after the model and paper spaces, `entities` in the entities.
void writeWithDxflib(const std::string& path, const Entities& blocks, const Entities& entities)
{
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> w(dxf.out(path.c_str(), DL_Codes::AC1015));
    ASSERT_TRUE(w);
    dxf.writeHeader(*w);
    w->sectionEnd();
    w->sectionTables();
    dxf.writeVPort(*w);
    w->tableLayers(1);
    dxf.writeLayer(*w, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
    w->tableEnd();
    dxf.writeBlockRecord(*w);
    w->tableEnd();
    w->sectionEnd();
    w->sectionBlocks();
    dxf.writeBlock(*w, DL_BlockData("*Model_Space", 0, 0, 0, 0));
    dxf.writeEndBlock(*w, "*Model_Space");
    blocks(dxf, *w);
    w->sectionEnd();
    w->sectionEntities();
    entities(dxf, *w);
    w->sectionEnd();
    dxf.writeObjects(*w);
    dxf.writeObjectsEnd(*w);
    w->dxfEOF();
    w->close();
}

// A file of an entities section only, as old programs write it.
std::string entitiesOnly(const std::string& body)
{
    return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

std::string line(double x1, double y1, double x2, double y2)
{
    return "0\nLINE\n8\n0\n10\n" + std::to_string(x1) + "\n20\n" + std::to_string(y1) + "\n11\n" +
           std::to_string(x2) + "\n21\n" + std::to_string(y2) + "\n";
}

double regionArea(const Model& m)
{
    double twice = 0.0;
    for (const Element& e : m.elements) {
        const Node& a = m.nodes[e.startNode];
        const Node& b = m.nodes[e.endNode];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return twice / 2.0;
}

struct Imported {
    cad::DrawingRead read;
    cad::DrawingImport import;
    Model model = test::emptyProject();
};

Imported importFile(const std::string& path)
{
    Imported out;
    out.read = readDxf(path);
    if (out.read.status == cad::ReadStatus::Ok) {
        out.import = cad::importDrawing(out.read.drawing, cad::ImportOptions{}, out.model);
    }
    return out;
}

double segmentDistance(const Node& n, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double t = std::clamp(((n.x - x1) * dx + (n.y - y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(n.x - (x1 + t * dx), n.y - (y1 + t * dy));
}

TEST(DxfFile, APartDrawnWithDxflibsWriterImportsOnItsCurvesWithItsArea)
{
    test::TempDir dir;
    const std::string path = dir.file("czesc.dxf");
    const DL_Attributes layer("0", 256, -1, -1, "BYLAYER");
    writeWithDxflib(
        path,
        [&](DL_Dxf& dxf, DL_WriterA& w) {
            dxf.writeBlock(w, DL_BlockData("OTWOR", 0, 0, 0, 0));
            dxf.writeCircle(w, DL_CircleData(0, 0, 0, 8), layer);
            dxf.writeEndBlock(w, "OTWOR");
        },
        [&](DL_Dxf& dxf, DL_WriterA& w) {
            // The outline with a rounded corner, out of order, one side reversed.
            dxf.writeLine(w, DL_LineData(100, 0, 0, 100, 50, 0), layer);
            dxf.writeLine(w, DL_LineData(0, 60, 0, 90, 60, 0), layer);
            dxf.writeLine(w, DL_LineData(0, 0, 0, 100, 0, 0), layer);
            dxf.writeArc(w, DL_ArcData(90, 50, 0, 10, 0, 90), layer);
            dxf.writeLine(w, DL_LineData(0, 60, 0, 0, 0, 0), layer);
            // A slot of two half circles as bulges, an ellipse, a circle as a
            // rational spline and a placed block's circle.
            dxf.writePolyline(w, DL_PolylineData(4, 0, 0, 1), layer);
            for (const DL_VertexData& v : {DL_VertexData(45, 25, 0, 0), DL_VertexData(65, 25, 0, 1),
                                           DL_VertexData(65, 35, 0, 0), DL_VertexData(45, 35, 0, 1)}) {
                dxf.writeVertex(w, v);
            }
            dxf.writePolylineEnd(w);
            dxf.writeEllipse(w, DL_EllipseData(80, 20, 0, 8, 0, 0, 0.5, 0, 2 * kPi), layer);
            // A parabola as a quadratic spline (dxflib writes no weights),
            // closed by a line.
            dxf.writeSpline(w, DL_SplineData(2, 6, 3, 0, 8), layer);
            for (const DL_ControlPointData& c : {DL_ControlPointData(75, 45, 0, 1), DL_ControlPointData(80, 55, 0, 1),
                                                 DL_ControlPointData(85, 45, 0, 1)}) {
                dxf.writeControlPoint(w, c);
            }
            for (double k : {0, 0, 0, 1, 1, 1}) {
                dxf.writeKnot(w, DL_KnotData(k));
            }
            dxf.writeLine(w, DL_LineData(75, 45, 0, 85, 45, 0), layer);
            dxf.writeInsert(w, DL_InsertData("OTWOR", 25, 30, 0, 1, 1, 1, 0, 1, 1, 0, 0), layer);
            dxf.writePoint(w, DL_PointData(10, 10, 0), layer);
            dxf.writeText(w, DL_TextData(5, 5, 0, 0, 0, 0, 2.5, 1, 0, 0, 0, "Czesc", "standard", 0), layer);
        });
    const Imported part = importFile(path);
    ASSERT_EQ(part.read.status, cad::ReadStatus::Ok) << part.read.detail;
    ASSERT_TRUE(part.import.ok()) << part.import.refusal;
    const Model& m = part.model;
    EXPECT_EQ(m.boundaryCount(), 5);
    EXPECT_EQ(m.internalPointCount(), 1);
    EXPECT_EQ(part.import.notes, (std::vector<std::string>{"Pominięto obiekty: TEXT (1)"}));
    const double area =
        6000.0 - 100.0 * (1.0 - kPi / 4.0) - 64.0 * kPi - (200.0 + 25.0 * kPi) - 32.0 * kPi - 200.0 / 6.0;
    EXPECT_NEAR(regionArea(m), area, 0.01 * area);
    // Every node lies on a curve of the drawing.
    for (const Node& n : m.nodes) {
        const double onCurve = std::min(
            {segmentDistance(n, 0, 0, 100, 0), segmentDistance(n, 100, 0, 100, 50), segmentDistance(n, 90, 60, 0, 60),
             segmentDistance(n, 0, 60, 0, 0), std::abs(std::hypot(n.x - 90.0, n.y - 50.0) - 10.0),
             segmentDistance(n, 45, 25, 65, 25), segmentDistance(n, 65, 35, 45, 35),
             std::abs(std::hypot(n.x - 65.0, n.y - 30.0) - 5.0), std::abs(std::hypot(n.x - 45.0, n.y - 30.0) - 5.0),
             std::abs(std::hypot((n.x - 80.0) / 8.0, (n.y - 20.0) / 4.0) - 1.0) * 4.0,
             std::abs(n.y - 45.0 - 2.0 * (n.x - 75.0) * (1.0 - (n.x - 75.0) / 10.0)),
             segmentDistance(n, 75, 45, 85, 45), std::abs(std::hypot(n.x - 25.0, n.y - 30.0) - 8.0)});
        EXPECT_LT(onCurve, 1e-4) << n.x << ", " << n.y;
    }
}

TEST(DxfFile, HandWrittenLinesOutOfOrderWithGapsAndAMirroredArcCloseIntoLoops)
{
    test::TempDir dir;
    // A square's sides reversed and shuffled, ends missing by 1e-7.
    const std::string square = entitiesOnly(line(10, 0, 0, 0) + line(10, 10.0000001, 10, 0) +
                                            line(0, 10, 10, 10) + line(0, 0, 0, 10.0000001));
    const Imported closed = importFile(dir.write("kwadrat.dxf", square));
    ASSERT_TRUE(closed.import.ok()) << closed.import.refusal;
    EXPECT_EQ(closed.model.nodeCount(), 4);
    EXPECT_NEAR(regionArea(closed.model), 100.0, 1e-4);
    // A quarter disc whose arc is given seen from below: mirrored in x, it
    // meets the two lines only when the mirror is applied.
    const std::string arc = "0\nARC\n8\n0\n10\n0\n20\n0\n40\n10\n50\n0\n51\n90\n230\n-1\n";
    const Imported quarter = importFile(dir.write("cwiartka.dxf", entitiesOnly(line(-10, 0, 0, 0) + line(0, 0, 0, 10) + arc)));
    ASSERT_TRUE(quarter.import.ok()) << quarter.import.refusal;
    EXPECT_NEAR(regionArea(quarter.model), 25.0 * kPi, 0.01 * 25.0 * kPi);
}

TEST(DxfFile, WhatIsNoDrawingOrCannotBeReadSafelyIsRefusedWithItsReason)
{
    test::TempDir dir;
    EXPECT_EQ(readDxf(dir.file("brak.dxf")).status, cad::ReadStatus::CannotOpen);
    EXPECT_EQ(readDxf(dir.write("smieci.dxf", "Ala ma kota\n\x01\x02\x03 nie DXF\n")).status,
              cad::ReadStatus::NotDrawing);
    const cad::DrawingRead binary = readDxf(dir.write("bin.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)));
    EXPECT_EQ(binary.status, cad::ReadStatus::NotDrawing);
    EXPECT_NE(binary.detail.find("Binarny"), std::string::npos);
    // A bulge before any vertex would make dxflib write outside its table.
    const cad::DrawingRead bulge = readDxf(dir.write("zly.dxf", entitiesOnly("0\nLWPOLYLINE\n90\n2\n42\n1\n10\n0\n20\n0\n")));
    EXPECT_EQ(bulge.status, cad::ReadStatus::Damaged);
    EXPECT_EQ(bulge.detail, "Wiersz 10: wybrzuszenie przed pierwszym wierzchołkiem");
    const cad::DrawingRead huge = readDxf(dir.write("duzy.dxf", entitiesOnly("0\nSPLINE\n73\n2000000000\n")));
    EXPECT_EQ(huge.status, cad::ReadStatus::Damaged);
    const cad::DrawingRead longLine =
        readDxf(dir.write("dlugi.dxf", entitiesOnly("0\nTEXT\n1\n" + std::string(kMaxLineLength + 1, 'x') + "\n")));
    EXPECT_EQ(longLine.status, cad::ReadStatus::Damaged);
    const Imported open = importFile(dir.write("otwarty.dxf", entitiesOnly(line(0, 0, 10, 0) + line(10, 0, 10, 10))));
    EXPECT_EQ(open.import.refusal, "Rysunek nie zawiera zamkniętego konturu; otwarte końce: (0, 0), (10, 10)");
}

TEST(DxfFile, AnExportedProjectReadsBackAsTheSameModelLeavingItsIsolinesOut)
{
    test::TempDir dir;
    Project original = test::emptyProject();
    ASSERT_TRUE(loadProjectFile(std::string(ZORIND_EXAMPLES_DIR) + "/pierscien.tav", original).ok());
    test::addInternalPoint(original, 12.0f, 19.0f);
    cad::ExportDrawing drawing = cad::drawingOfModel(original, {cad::Line{{3, 3}, {4, 4}}});
    ASSERT_TRUE(writeDxf(drawing, dir.file("pierscien.dxf")).ok());
    const Imported again = importFile(dir.file("pierscien.dxf"));
    ASSERT_TRUE(again.import.ok()) << again.import.refusal;
    ASSERT_EQ(again.model.nodeCount(), original.nodeCount());
    for (const int n : original.nodes.numbers()) {
        EXPECT_EQ(again.model.nodes[n], original.nodes[n]);
    }
    for (const int k : original.elements.numbers()) {
        EXPECT_EQ(again.model.elements[k].startNode, original.elements[k].startNode);
        EXPECT_EQ(again.model.elements[k].endNode, original.elements[k].endNode);
        EXPECT_EQ(again.model.elements[k].boundary, original.elements[k].boundary);
    }
    ASSERT_EQ(again.model.internalPointCount(), original.internalPointCount());
    EXPECT_EQ(again.model.internalPoints[original.internalPointCount()].y, 19.0f);
    EXPECT_TRUE(again.import.notes.empty());
}

} // namespace
} // namespace zorind::dxf
