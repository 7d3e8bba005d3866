#include <gtest/gtest.h>

#include "core/cad/DrawingCommands.h"
#include "support/ModelBuilders.h"
#include "core/ui/ScriptedInteraction.h"

namespace zorind::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A reader that finds a square with a hole in every file, or fails.
DrawingReader readerOf(ReadStatus status, std::vector<Piece> pieces = {})
{
    return [status, pieces](const std::string&) {
        DrawingRead read;
        read.status = status;
        read.detail = status == ReadStatus::Damaged ? "Wiersz 7: niepoprawna liczba x" : "";
        read.drawing.model.pieces = pieces;
        return read;
    };
}

std::vector<Piece> plateWithHole()
{
    return {Line{{0, 0}, {10, 0}}, Line{{10, 0}, {10, 10}}, Line{{10, 10}, {0, 10}}, Line{{0, 10}, {0, 0}},
            circularArc({5, 5}, 2, 0.0, 2.0 * kPi)};
}

Project drawnProject()
{
    Project p = test::emptyProject();
    p.projectOpen = true;
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    p.filePath = "/tmp/stary.tav";
    p.titleText = "TAV /tmp/stary.tav";
    p.analysisType = ElectricPotential;
    markSaved(p);
    return p;
}

TEST(DrawingCommands, AnImportReplacesTheProjectAsAnUnsavedOneOfTheSameAnalysisType)
{
    Project p = drawnProject();
    ScriptedInteraction ui;
    ui.files.push_back("/tmp/czesc.dxf");
    ASSERT_TRUE(importDrawingCommand(p, ui, readerOf(ReadStatus::Ok, plateWithHole())));
    EXPECT_EQ(p.boundaryCount(), 2);
    EXPECT_EQ(p.analysisType, ElectricPotential);
    EXPECT_EQ(p.titleText, "TAV ");
    EXPECT_TRUE(p.filePath.empty());
    EXPECT_TRUE(hasUnsavedChanges(p));
    // The whole model is in view.
    EXPECT_LE(p.view.areaXMin, 0.0f);
    EXPECT_GE(p.view.areaXMax, 10.0f);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Zaimportowano rysunek /tmp/czesc.dxf\nUtworzono brzegów: 2, węzłów: " +
                                    std::to_string(p.nodeCount()) + ", elementów: " + std::to_string(p.elementCount()) +
                                    "\nDługość elementu na łukach: 0.1 (dobrana tak, by model zmieścił się w "
                                    "tablicach z zapasem)");
    EXPECT_EQ(ui.fileDialogs[0].defaultExtension, "dxf");
}

TEST(DrawingCommands, AFileThatCannotBeReadOrImportedChangesNothingAndSaysWhy)
{
    const std::vector<std::pair<DrawingReader, std::string>> cases = {
        {readerOf(ReadStatus::CannotOpen), "Nie można otworzyć pliku /tmp/x.dxf"},
        {readerOf(ReadStatus::NotDrawing), "Plik /tmp/x.dxf nie jest rysunkiem DXF"},
        {readerOf(ReadStatus::Damaged), "Błędny format pliku DXF /tmp/x.dxf\nWiersz 7: niepoprawna liczba x"},
        {readerOf(ReadStatus::Ok, {Line{{0, 0}, {1, 0}}}),
         "Nie zaimportowano rysunku /tmp/x.dxf\nRysunek nie zawiera zamkniętego konturu; otwarte końce: (0, 0), (1, 0)"},
    };
    for (const auto& [reader, text] : cases) {
        Project p = drawnProject();
        ScriptedInteraction ui;
        ui.files.push_back("/tmp/x.dxf");
        EXPECT_FALSE(importDrawingCommand(p, ui, reader));
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, text);
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(p.nodeCount(), 3);
        EXPECT_EQ(p.filePath, "/tmp/stary.tav");
        EXPECT_FALSE(hasUnsavedChanges(p));
    }
}

TEST(DrawingCommands, AnExportHandsTheModelToTheWriterAndReportsTheOutcome)
{
    Project p = drawnProject();
    ExportDrawing written;
    FileResult outcome;
    const DrawingWriter writer = [&](const ExportDrawing& d, const std::string&) {
        written = d;
        return outcome;
    };
    ScriptedInteraction ui;
    ui.files.push_back("/tmp/rysunek.dxf");
    EXPECT_TRUE(exportDrawingCommand(p, ui, writer));
    ASSERT_EQ(written.polylines.size(), 1u);
    EXPECT_EQ(written.polylines[0].vertices.size(), 3u);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Zapisano rysunek do pliku /tmp/rysunek.dxf"}));

    outcome = {FileStatus::CannotWrite, "Brak miejsca"};
    ui.clear();
    ui.files.push_back("/tmp/rysunek.dxf");
    EXPECT_FALSE(exportDrawingCommand(p, ui, writer));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Nie można zapisać pliku /tmp/rysunek.dxf\nBrak miejsca"}));
}

} // namespace
} // namespace zorind::cad
