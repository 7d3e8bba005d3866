#pragma once

#include <functional>
#include <string>

#include "core/cad/Drawing.h"
#include "core/cad/DrawingExport.h"
#include "core/cad/DrawingImport.h"
#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind::cad {

// What reading a drawing file gave: the drawing, or why there is none.
enum class ReadStatus { Ok, CannotOpen, NotDrawing, Damaged, TooLarge };

struct DrawingRead {
    ReadStatus status = ReadStatus::Ok;
    std::string detail; // Damaged: what is wrong; TooLarge: the size in bytes
    Drawing drawing;
};

// The DXF reader and writer, which live outside the core (they use a
// library of their own); the window and the command line plug them in.
using DrawingReader = std::function<DrawingRead(const std::string& path)>;
using DrawingWriter = std::function<FileResult(const ExportDrawing& drawing, const std::string& path)>;

inline constexpr const char* kImportCaption = "Import DXF";
inline constexpr const char* kExportCaption = "Eksport DXF";

FileDialogSpec drawingOpenDialog();
FileDialogSpec drawingSaveDialog();

// Why a drawing file could not be read, as the user reads it.
std::string readFailureText(const std::string& path, const DrawingRead& read);

// The counts, the element length and the notes of a successful import.
std::string importSummary(const std::string& path, const DrawingImport& result);

// Reads and imports the drawing at `path`. On success the project is
// replaced as "Otwórz" replaces it (results, drawing and the file it came
// from dropped), with the imported model as its unsaved state, and the view
// shows the whole model; the summary is returned in `result`. Otherwise the
// reason is shown (and is in result.refusal) and the project stays as it
// was. Returns whether the project was replaced.
bool importDrawingPath(Project& project, Interaction& ui, const DrawingReader& read, const std::string& path,
                       const ImportOptions& options, DrawingImport& result);

// "Importuj D&XF...": the file chosen in the open dialog, imported with
// the element length chosen to fit and the project's analysis type, the
// summary said. Returns whether the project was replaced.
bool importDrawingCommand(Project& project, Interaction& ui, const DrawingReader& read,
                          const ShowModel& showModel = {});

// Writes the model (with the isolines of valid potential results) as a
// drawing to `path`. Returns whether the file was written; a failure is
// shown.
bool exportDrawingPath(const Project& project, Interaction& ui, const DrawingWriter& write, const std::string& path);

// "Eksportuj DX&F...": the file chosen in the save dialog, then the
// message that it was written.
bool exportDrawingCommand(const Project& project, Interaction& ui, const DrawingWriter& write);

} // namespace zorind::cad
