#include "core/exchange/ImportCommand.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ResultFile.h"

namespace zorind {

namespace {

// "1 węzeł", "3 węzły", "12 węzłów", "22 węzły".
std::string nodeCountText(int n)
{
    const int ones = n % 10;
    const int tens = n % 100;
    const char* word = n == 1 ? "węzeł" : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? "węzły" : "węzłów";
    return std::to_string(n) + ' ' + word;
}

// The solver program solves a plate in plane stress as the plane-strain body
// of its equivalent material (the exchange file carries no other): the
// displacements and the stresses in the plane are the plate's, its sz is
// not. A plate has none, and its reduced stress follows from the other three.
void keepPlateStresses(Project& project)
{
    for (int k = 1; k <= project.nodeCount(); ++k) {
        std::array<float, 8>& e = project.elementResults[k].slot;
        const double sx = e[3], sy = e[4], txy = e[6];
        e[5] = 0.0f;
        e[7] = static_cast<float>(std::sqrt(sx * sx - sx * sy + sy * sy + 3.0 * txy * txy));
    }
}

} // namespace

std::string solverNotesMessage(const std::vector<std::string>& notes)
{
    std::string text = "Uwagi modułu liczącego:";
    for (const std::string& note : notes) {
        text += '\n' + note;
    }
    return text;
}

void storeResults(const ResultFileContent& content, Project& project)
{
    int k = 0;
    for (const NodeResultValues& node : content.nodes) {
        std::array<float, 8>& e = project.elementResults[++k].slot;
        if (node.motionRead) {
            e[1] = node.dx;
            e[2] = node.dy;
            project.fluxResults[k].slot[1] = node.fx;
            project.fluxResults[k].slot[2] = node.fy;
        }
        if (node.stressesSet) {
            e[3] = node.sigmaX;
            e[4] = node.sigmaY;
            e[5] = node.sigmaZ;
            e[6] = node.tauXY;
            e[7] = node.reduced;
        }
    }
}

ImportOutcome importResults(Project& project, Interaction& ui, const std::string& path)
{
    if (project.nodeCount() < 1) {
        return ImportOutcome::NoNodes;
    }
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) {
        in.open(path, std::ios::binary);
    }
    std::ostringstream text;
    if (in.is_open()) {
        text << in.rdbuf();
    }
    if (!in.is_open() || in.bad()) {
        ui.error("Nie można odczytać pliku wyników " + path, kImportCaption);
        return ImportOutcome::CannotOpen;
    }
    const ResultFileContent report = readResultText(text.str(), project.nodeCount());
    if (!report.headerFound) {
        ui.error("W pliku " + path + " nie ma wyników: nie znaleziono wiersza nagłówka", kImportCaption);
        return ImportOutcome::NoHeader;
    }
    if (report.otherModelNodeCount) {
        ui.error("Plik " + path + " dotyczy innego modelu: " + nodeCountText(*report.otherModelNodeCount) +
                     " w pliku, " + std::to_string(project.nodeCount()) + " w projekcie; nie wczytano wyników",
                 kImportCaption);
        return ImportOutcome::OtherModel;
    }
    storeResults(report, project);
    if (project.material.planeStress) {
        keepPlateStresses(project);
    }
    // A result file holds no internal-point values: those of an earlier
    // solution in this process belong to other nodal results.
    project.internalPointResults.resize(0);
    project.resultsValid = 1;
    ImportOutcome outcome = ImportOutcome::Complete;
    if (!report.complete) {
        ui.exclamation("Plik " + path + " urywa się przed końcem wyników; wczytano wyniki do miejsca przerwania",
                       kImportCaption);
        outcome = ImportOutcome::Partial;
    }
    if (!report.notes.empty()) {
        ui.message(solverNotesMessage(report.notes), kImportCaption, MessageKind::Information);
    }
    return outcome;
}

void importResultsCommand(Project& project, Interaction& ui, const std::string& directory)
{
    if (project.nodeCount() >= 1 && ui.ask(kImportQuestion, kImportCaption)) {
        importResults(project, ui, (std::filesystem::path(directory) / kResultFileName).string());
    }
}

} // namespace zorind
