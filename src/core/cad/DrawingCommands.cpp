#include "core/cad/DrawingCommands.h"

#include "core/model/NumberFormat.h"
#include "core/session/ViewCommands.h"

namespace zorind::cad {

namespace {

FileDialogSpec drawingDialog(const char* title)
{
    return FileDialogSpec{title, {{"Rysunki DXF (*.dxf)", "*.dxf"}, {"Wszystkie pliki (*.*)", "*.*"}}, "dxf"};
}

} // namespace

FileDialogSpec drawingOpenDialog()
{
    return drawingDialog("Import rysunku DXF");
}

FileDialogSpec drawingSaveDialog()
{
    return drawingDialog("Eksport rysunku DXF");
}

std::string readFailureText(const std::string& path, const DrawingRead& read)
{
    switch (read.status) {
    case ReadStatus::NotDrawing:
        return "Plik " + path + " nie jest rysunkiem DXF" + (read.detail.empty() ? "" : "\n" + read.detail);
    case ReadStatus::Damaged:
        return "Błędny format pliku DXF " + path + (read.detail.empty() ? "" : "\n" + read.detail);
    case ReadStatus::TooLarge:
        return "Plik " + path + " jest zbyt duży na rysunek (" + read.detail + " bajtów)";
    case ReadStatus::CannotOpen:
    case ReadStatus::Ok:
        break;
    }
    return "Nie można otworzyć pliku " + path;
}

std::string importSummary(const std::string& path, const DrawingImport& result)
{
    std::string text = "Zaimportowano rysunek " + path + "\nUtworzono brzegów: " + std::to_string(result.boundaries) +
                       ", węzłów: " + std::to_string(result.nodes) + ", elementów: " +
                       std::to_string(result.elements);
    if (result.internalPoints > 0) {
        text += ", węzłów wewnętrznych: " + std::to_string(result.internalPoints);
    }
    if (result.elementLength) {
        text += "\nDługość elementu na łukach: " + formatGeneral(*result.elementLength, 6);
        if (result.lengthChosen) {
            text += " (dobrana tak, by model zmieścił się w tablicach z zapasem)";
        }
    }
    for (const std::string& note : result.notes) {
        text += "\n" + note;
    }
    return text;
}

bool importDrawingPath(Project& p, Interaction& ui, const DrawingReader& read, const std::string& path,
                       const ImportOptions& options, DrawingImport& result)
{
    const DrawingRead drawing = read(path);
    if (drawing.status != ReadStatus::Ok) {
        result.refusal = readFailureText(path, drawing);
        ui.error(result.refusal, kImportCaption);
        return false;
    }
    // The new project is built beside the old one, which stays whole until
    // the import has succeeded.
    Project imported = p;
    resetProject(imported);
    imported.projectOpen = true;
    imported.titleText = "TAV ";
    imported.filePath.clear();
    // Saved as empty: the imported model is a change the user may lose.
    markSaved(imported);
    result = importDrawing(drawing.drawing, options, imported);
    if (!result.ok()) {
        ui.error("Nie zaimportowano rysunku " + path + "\n" + result.refusal, kImportCaption);
        return false;
    }
    showEverything(imported);
    p = std::move(imported);
    return true;
}

bool importDrawingCommand(Project& p, Interaction& ui, const DrawingReader& read, const ShowModel& showModel)
{
    const std::optional<std::string> path = ui.chooseOpenFile(drawingOpenDialog());
    if (!path) {
        return false;
    }
    ImportOptions options;
    options.analysisType = p.analysisType;
    DrawingImport result;
    if (!importDrawingPath(p, ui, read, *path, options, result)) {
        return false;
    }
    if (showModel) {
        showModel();
    }
    ui.message(importSummary(*path, result), kImportCaption, MessageKind::Information);
    return true;
}

bool exportDrawingPath(const Project& p, Interaction& ui, const DrawingWriter& write, const std::string& path)
{
    const FileResult written = write(drawingOfModel(p, potentialIsolines(p)), path);
    if (!written.ok()) {
        ui.error("Nie można zapisać pliku " + path + (written.detail.empty() ? "" : "\n" + written.detail),
                 kExportCaption);
        return false;
    }
    return true;
}

bool exportDrawingCommand(const Project& p, Interaction& ui, const DrawingWriter& write)
{
    if (p.elementCount() < 1) {
        ui.error("Brak elementów do zapisania", kExportCaption);
        return false;
    }
    const std::optional<std::string> path = ui.chooseSaveFile(drawingSaveDialog());
    if (!path || !exportDrawingPath(p, ui, write, *path)) {
        return false;
    }
    ui.exclamation("Zapisano rysunek do pliku " + *path, kExportCaption);
    return true;
}

} // namespace zorind::cad
