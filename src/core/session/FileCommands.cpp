#include "core/session/FileCommands.h"

#include "core/model/NumberFormat.h"
#include "core/model/ProjectFile.h"
#include "core/session/RecentProjects.h"
#include "core/ui/Messages.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <vector>

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

// The shortest text that reads back as the same float ("1e-07").
std::string shortestText(float value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// The values the file keeps with fewer decimals than a float can hold: a
// non-zero value written as 0 comes back as 0 (a conductivity of 0 is then
// taken as 1 by the solver). One line per such value.
std::vector<std::string> valuesSavedAsZero(const Project& p)
{
    std::vector<std::string> lost;
    auto check = [&](float value, int decimals, const std::string& what) {
        if (value != 0.0f && parseFiniteDouble(formatFixed(value, decimals)).value_or(1.0) == 0.0) {
            lost.push_back(what + " (" + shortestText(value) + ")");
        }
    };
    for (int k = 1; k <= p.nodeCount(); ++k) {
        check(p.nodes[k].x, 15, "węzeł " + std::to_string(k) + ", x");
        check(p.nodes[k].y, 15, "węzeł " + std::to_string(k) + ", y");
    }
    for (int k = 1; k <= p.conditionCount(); ++k) {
        const BoundaryCondition& c = p.conditions[k];
        const float values[] = {c.kind, c.atNode1, c.atMiddle, c.atNode2, c.atNode1Y, c.atMiddleY, c.atNode2Y};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            check(values[i], 6, "warunek brzegowy " + std::to_string(k) + ", wartość " + std::to_string(i + 1));
        }
    }
    check(p.conductivity, 6, "przewodność");
    check(p.ambientTemperature, 6, "temperatura otoczenia");
    for (int k = 1; k <= p.internalPointCount(); ++k) {
        check(p.internalPoints[k].x, 6, "węzeł wewnętrzny " + std::to_string(k) + ", x");
        check(p.internalPoints[k].y, 6, "węzeł wewnętrzny " + std::to_string(k) + ", y");
    }
    return lost;
}

// Saving must not change the model behind the user's back: values the file
// would turn into 0 are named and the user decides. True to go on.
bool acceptValuesSavedAsZero(const Project& p, Interaction& ui)
{
    const std::vector<std::string> lost = valuesSavedAsZero(p);
    if (lost.empty()) {
        return true;
    }
    constexpr std::size_t kListed = 8;
    std::string text = "Plik przechowuje sześć miejsc po przecinku; te wartości zostaną zapisane jako 0:";
    for (std::size_t i = 0; i < lost.size() && i < kListed; ++i) {
        text += "\n" + lost[i];
    }
    if (lost.size() > kListed) {
        text += "\n... i " + std::to_string(lost.size() - kListed) + " innych";
    }
    text += "\nZapisać mimo to ?";
    return ui.ask(text, "Zapis do pliku");
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
    return becameTheProjectsFile(p, ui, path, announce ? "Odczytano dane z pliku " : nullptr, "Odczyt z pliku",
                                 showModel);
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

bool saveProjectPath(Project& p, Interaction& ui, const std::string& path, bool announce, const ShowModel& showModel)
{
    if (p.nodeCount() < 1) {
        ui.error("Ilość węzłów równa 0", "Błąd zapisu");
        return false;
    }
    if (!acceptValuesSavedAsZero(p, ui)) {
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
