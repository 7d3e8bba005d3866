#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/model/NumberFormat.h"
#include "core/solver/Compute.h"
#include "core/solver/PotentialField.h"

namespace zorind::cli {

namespace {

// The largest grid side: four million points at most, some 100 MB of
// coordinates and values.
constexpr int kMaxGridSide = 2000;

// "NXxNY", each side a whole number from 1 to kMaxGridSide.
std::pair<int, int> parseGrid(const std::string& text)
{
    const std::size_t cross = text.find_first_of("xX");
    const std::optional<int> nx = cross == std::string::npos ? std::nullopt : parseInt(text.substr(0, cross));
    const std::optional<int> ny = cross == std::string::npos ? std::nullopt : parseInt(text.substr(cross + 1));
    if (!nx || !ny || *nx < 1 || *ny < 1 || *nx > kMaxGridSide || *ny > kMaxGridSide) {
        throw UsageError{"Niepoprawna siatka: " + text + " (oczekiwano NXxNY, każdy od 1 do " +
                         std::to_string(kMaxGridSide) + ")"};
    }
    return {*nx, *ny};
}

std::string number(double value)
{
    return formatGeneral(value, 9);
}

} // namespace

int runField(Arguments args)
{
    const bool json = args.takeFlag("--json");
    const std::optional<std::string> gridText = args.takeOption("--grid");
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    if (!gridText) {
        throw UsageError{"Brak opcji --grid NXxNY"};
    }
    const auto [nx, ny] = parseGrid(*gridText);
    args.expectEmpty();

    Project project;
    if (!loadProject(project, *file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    const int status = computeStatus(computeCommand(project, ui, stderr));
    if (status == kExitNotComputedHere) {
        std::fprintf(stderr, "Typ obliczeń %d nie ma pola potencjału\n", project.analysisType);
    }
    if (status != kExitOk) {
        return status;
    }
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(project);
    if (!field) {
        std::fprintf(stderr, "%s\n", kComputeFailedMessage);
        return kExitComputeFailed;
    }

    // Cell centres over the bounding box, row by row from the bottom.
    const auto count = static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny);
    std::vector<double> xs(count);
    std::vector<double> ys(count);
    const double width = field->xmax() - field->xmin();
    const double height = field->ymax() - field->ymin();
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const auto k = static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) + static_cast<std::size_t>(i);
            xs[k] = field->xmin() + (i + 0.5) * width / nx;
            ys[k] = field->ymin() + (j + 0.5) * height / ny;
        }
    }
    std::vector<double> values(count);
    field->evaluate(xs.data(), ys.data(), values.data(), count);

    std::string out = json ? "[" : "";
    bool first = true;
    for (std::size_t k = 0; k < count; ++k) {
        if (values[k] != values[k]) {
            continue; // outside the region
        }
        if (json) {
            out += first ? "" : ",";
            out += "{\"x\":" + number(xs[k]) + ",\"y\":" + number(ys[k]) + ",\"value\":" + number(values[k]) + '}';
        } else {
            out += number(xs[k]) + ' ' + number(ys[k]) + ' ' + number(values[k]) + '\n';
        }
        first = false;
        if (out.size() > (1u << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    if (json) {
        out += "]\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

} // namespace zorind::cli
