#include "model/FileCommands.h"

#include "model/ProjectFile.h"

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
    if (result.status == FileStatus::CannotOpen) {
        ui.error("Nie można otworzyć pliku " + path, "Odczyt z pliku");
    } else {
        ui.error("Błędny format pliku " + path + "\n" + result.detail, "Odczyt z pliku");
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

bool newProject(Project& p, Interaction& ui, const ChooseAnalysisType& chooseAnalysisType)
{
    if (p.projectOpen && !ui.ask("Tworząc nowy projekt utracisz wszystkie dane...", "Nowy projekt")) {
        return false;
    }
    resetProject(p);
    p.titleText = "TAV ";
    p.projectOpen = true;

    const int before = p.analysisType;
    std::optional<int> chosen = chooseAnalysisType ? chooseAnalysisType() : std::nullopt;
    if (chosen) {
        p.analysisType = *chosen;
        p.resultsValid = 0;
    } else {
        p.analysisType = before;
    }
    return true;
}

bool openProject(Project& p, Interaction& ui)
{
    p.resultsValid = 0;
    p.display.showFlux = 0;
    p.display.showPotential = 0;
    if (p.projectOpen && !ui.ask("Czy chcesz utracić aktualne dane ?", "Otwórz plik")) {
        return true;
    }
    p.projectOpen = true;
    p.edit.editMode = EditMode::Idle;
    p.edit.chainOpen = false;
    p.currentBoundary = 1;
    p.currentCondition = 1;
    resetProject(p);

    std::optional<std::string> path = ui.chooseOpenFile(projectOpenDialog());
    if (!path) {
        return true;
    }
    openProjectPath(p, ui, *path, true);
    return true;
}

bool openProjectPath(Project& p, Interaction& ui, const std::string& path, bool announce)
{
    resetProject(p);
    p.projectOpen = true;
    FileResult result = loadProjectFile(path, p);
    if (!result.ok()) {
        // The model is empty now: the caption must not name a file it did
        // not come from.
        p.titleText = "TAV ";
        showReadFailure(ui, path, result);
        return false;
    }
    p.titleText = projectCaption(path);
    if (announce) {
        ui.exclamation("Odczytano dane z pliku " + path, "Odczyt z pliku");
    }
    return true;
}

bool saveProject(Project& p, Interaction& ui)
{
    if (p.nodeCount() < 1) {
        ui.error("Ilość węzłów równa 0", "Błąd zapisu");
        return false;
    }
    std::optional<std::string> path = ui.chooseSaveFile(projectSaveDialog());
    if (!path) {
        return false;
    }
    return saveProjectPath(p, ui, *path, true);
}

bool saveProjectPath(Project& p, Interaction& ui, const std::string& path, bool announce)
{
    if (p.nodeCount() < 1) {
        ui.error("Ilość węzłów równa 0", "Błąd zapisu");
        return false;
    }
    FileResult result = saveProjectFile(p, path);
    if (!result.ok()) {
        ui.error("Nie można zapisać pliku " + path, "Błąd zapisu");
        return false;
    }
    p.titleText = projectCaption(path);
    if (announce) {
        ui.exclamation("Zapisano dane do pliku " + path, "Zapis do pliku");
    }
    return true;
}

} // namespace zorind
