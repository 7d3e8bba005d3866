#include "core/session/FileCommands.h"

#include "core/model/NumberFormat.h"
#include "core/model/ProjectFile.h"
#include "core/model/TrailingBlock.h"
#include "core/session/RecentProjects.h"
#include "core/ui/Messages.h"

#include <filesystem>

namespace zorind {

namespace {

// Counts UTF-8 code points; a caption is measured in characters.
std::size_t characterCount(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// The last `characters` code points of `text`.
std::string lastCharacters(const std::string& text, std::size_t characters)
{
    std::size_t pos = text.size();
    std::size_t taken = 0;
    while (pos > 0 && taken < characters) {
        --pos;
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            ++taken;
        }
    }
    return text.substr(pos);
}

void showReadFailure(Interaction& ui, const std::string& path, const FileResult& result)
{
    switch (result.status) {
    case FileStatus::TooLarge:
        ui.error("Plik " + path + " jest zbyt duży na plik projektu (" + result.detail +
                     " bajtów; plik projektu ma najwyżej " + std::to_string(kMaxProjectFileSize / 1024) + " kB)",
                 "Odczyt z pliku");
        break;
    case FileStatus::Damaged:
        ui.error("Błędny format pliku " + path + "\n" + result.detail, "Odczyt z pliku");
        break;
    default:
        ui.error("Nie można otworzyć pliku " + path, "Odczyt z pliku");
        break;
    }
}

} // namespace

std::string projectCaption(const std::string& path)
{
    const std::string prefix = "TAV ";
    const std::size_t room = static_cast<std::size_t>(kMaxTitleLength) - prefix.size();
    if (characterCount(path) <= room) {
        return prefix + path;
    }
    const std::string ellipsis = "...";
    return prefix + ellipsis + lastCharacters(path, room - ellipsis.size());
}

void newProject(Project& p, Interaction& ui, const ChooseAnalysisType& chooseAnalysisType, const ShowModel& showModel)
{
    const Question question =
        p.projectOpen ? Question{"Tworząc nowy projekt utracisz wszystkie dane...", "Nowy projekt"} : Question{};
    if (!offerToSave(p, ui, question, showModel)) {
        return;
    }
    resetProject(p);
    p.titleText = "TAV ";
    p.projectOpen = true;
    p.filePath.clear();

    const int before = p.analysisType;
    std::optional<int> chosen = chooseAnalysisType ? chooseAnalysisType() : std::nullopt;
    if (chosen) {
        p.analysisType = *chosen;
        p.resultsValid = 0;
    } else {
        p.analysisType = before;
    }
    markSaved(p);
}

namespace {

// The offer to save (or "Otwórz"'s question) and, when the user goes on,
// the empty project a file is read into. False: the user kept the data.
bool confirmOpen(Project& p, Interaction& ui, const ShowModel& showModel)
{
    const Question question =
        p.projectOpen ? Question{"Czy chcesz utracić aktualne dane ?", "Otwórz plik"} : Question{};
    if (!offerToSave(p, ui, question, showModel)) {
        return false;
    }
    // The reset also ends any drawing, hides and drops the results and
    // makes boundary 1 and condition 1 current.
    p.projectOpen = true;
    resetProject(p);
    return true;
}

} // namespace

void openProject(Project& p, Interaction& ui, const ShowModel& showModel)
{
    p.resultsValid = 0;
    p.display.showFlux = 0;
    p.display.showPotential = 0;
    if (!confirmOpen(p, ui, showModel)) {
        return;
    }
    if (std::optional<std::string> path = ui.chooseOpenFile(projectOpenDialog())) {
        openProjectPath(p, ui, *path, true, showModel);
    }
}

void openRecentProject(Project& p, Interaction& ui, const std::string& path, const ShowModel& showModel)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        forgetRecentProject(p.recentProjects, path);
        ui.error("Nie ma pliku " + path + kRecentProjectGone, "Odczyt z pliku");
        return;
    }
    if (confirmOpen(p, ui, showModel)) {
        openProjectPath(p, ui, path, true, showModel);
    }
}

namespace {

// A file read or written whole: it names the project in the caption, its
// text is the saved state, the model is shown, then `announcement` (if any)
// is said with the path.
bool becameTheProjectsFile(Project& p, Interaction& ui, const std::string& path, const char* announcement,
                           const char* caption, const ShowModel& showModel)
{
    p.titleText = projectCaption(path);
    p.filePath = path;
    noteRecentProject(p.recentProjects, path);
    markSaved(p);
    if (showModel) {
        showModel();
    }
    if (announcement != nullptr) {
        ui.exclamation(announcement + path, caption);
    }
    return true;
}

} // namespace

bool openProjectPath(Project& p, Interaction& ui, const std::string& path, bool announce, const ShowModel& showModel)
{
    resetProject(p);
    p.projectOpen = true;
    FileResult result = loadProjectFile(path, p);
    if (!result.ok()) {
        // The model is empty now: the caption must not name a file it did
        // not come from.
        p.titleText = "TAV ";
        p.filePath.clear();
        markSaved(p);
        if (showModel) {
            showModel();
        }
        showReadFailure(ui, path, result);
        return false;
    }
    becameTheProjectsFile(p, ui, path, announce ? "Odczytano dane z pliku " : nullptr, "Odczyt z pliku", showModel);
    // Lines of the file's own block that this version does not know are kept
    // for the next save; the user hears of them once.
    if (!p.keptBlockLines.empty()) {
        ui.message(keptBlockLinesNote(p), "Odczyt z pliku", MessageKind::Information);
    }
    return true;
}

bool saveProject(Project& p, Interaction& ui, const ShowModel& showModel)
{
    if (p.nodeCount() < 1) {
        ui.error("Ilość węzłów równa 0", "Błąd zapisu");
        return false;
    }
    std::optional<std::string> path = ui.chooseSaveFile(projectSaveDialog());
    if (!path) {
        return false;
    }
    return saveProjectPath(p, ui, *path, true, showModel);
}

bool saveToProjectFile(Project& p, Interaction& ui, const ShowModel& showModel)
{
    return p.filePath.empty() ? saveProject(p, ui, showModel) : saveProjectPath(p, ui, p.filePath, false, showModel);
}

bool saveProjectPath(Project& p, Interaction& ui, const std::string& path, bool announce, const ShowModel& showModel)
{
    if (p.nodeCount() < 1) {
        ui.error("Ilość węzłów równa 0", "Błąd zapisu");
        return false;
    }
    FileResult result = saveProjectFile(p, path);
    if (!result.ok()) {
        ui.error("Nie można zapisać pliku " + path + (result.detail.empty() ? "" : "\n" + result.detail),
                 "Błąd zapisu");
        return false;
    }
    return becameTheProjectsFile(p, ui, path, announce ? "Zapisano dane do pliku " : nullptr, "Zapis do pliku",
                                 showModel);
}

bool hasUnsavedChanges(const Project& p)
{
    return writeProjectText(p) != p.savedProjectText;
}

void markSaved(Project& p)
{
    p.savedProjectText = writeProjectText(p);
}

bool offerToSave(Project& p, Interaction& ui, const Question& confirmation, const ShowModel& showModel)
{
    if (!hasUnsavedChanges(p)) {
        return confirmation.text == nullptr || ui.ask(confirmation.text, confirmation.caption);
    }
    const std::optional<bool> save = ui.questionWithCancel(kUnsavedChangesQuestion, kApplicationTitle);
    if (!save) {
        return false;
    }
    if (!*save) {
        return true;
    }
    return p.filePath.empty() ? saveProject(p, ui, showModel) : saveProjectPath(p, ui, p.filePath, true, showModel);
}

} // namespace zorind
