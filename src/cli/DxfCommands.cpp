// import-dxf, export-dxf and scale: drawings from and for CAD programs, and
// the model's coordinates scaled, on project files.
#include <cstdio>
#include <string>
#include <tuple>

#include "cli/CliSupport.h"
#include "core/cad/DrawingCommands.h"
#include "dxf/DxfFile.h"
#include "core/edit/ScaleData.h"
#include "core/model/NumberFormat.h"
#include "core/solver/Compute.h"

namespace zorind::cli {

namespace {

std::string requireFile(Arguments& args, const char* what)
{
    std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{what};
    }
    return *file;
}

std::string requireOut(Arguments& args)
{
    std::optional<std::string> out = args.takeOption("-o");
    if (!out || out->empty()) {
        throw UsageError{"Brak opcji -o PLIK_WYNIKOWY"};
    }
    return *out;
}

// "A" or "A,B": one number for both, or one each.
std::pair<double, double> parsePair(const std::string& option, const std::string& text)
{
    const std::size_t comma = text.find(',');
    const std::optional<double> a = parseFiniteDouble(text.substr(0, comma));
    const std::optional<double> b = comma == std::string::npos ? a : parseFiniteDouble(text.substr(comma + 1));
    if (!a || !b) {
        throw UsageError{"Niepoprawna wartość opcji " + option + ": " + text};
    }
    return {*a, *b};
}

// Each line of a message of several lines on a line of its own.
void printLines(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
}

cad::ImportOptions importOptions(Arguments& args)
{
    cad::ImportOptions options;
    if (const std::optional<std::string> length = args.takeOption("--element-length")) {
        const std::optional<double> value = parseFiniteDouble(*length);
        if (!value || !(*value > 0.0)) {
            throw UsageError{"Niepoprawna długość elementu: " + *length};
        }
        options.elementLength = value;
    }
    if (const std::optional<std::string> type = args.takeOption("--type")) {
        const std::optional<int> code = parseInt(*type);
        if (!code || !((*code >= HeatFlow && *code <= PotentialFlow) || *code == Elasticity || *code == Thermoelasticity)) {
            throw UsageError{"Niepoprawny typ obliczeń: " + *type + " (1 do 5, 10 lub 11)"};
        }
        options.analysisType = *code;
    }
    return options;
}

} // namespace

int runImportDxf(Arguments args)
{
    const std::string out = requireOut(args);
    const cad::ImportOptions options = importOptions(args);
    const std::string file = requireFile(args, "Brak nazwy pliku DXF");
    args.expectEmpty();

    Project project;
    initialiseProject(project);
    CliInteraction ui(stderr);
    cad::ReadStatus status = cad::ReadStatus::Ok;
    const cad::DrawingReader read = [&status](const std::string& path) {
        cad::DrawingRead drawing = dxf::readDxf(path);
        status = drawing.status;
        return drawing;
    };
    cad::DrawingImport result;
    if (!cad::importDrawingPath(project, ui, read, file, options, result)) {
        // A file that cannot be read is a usage error, as for every command;
        // a drawing that cannot become a model is refused.
        return status == cad::ReadStatus::CannotOpen ? kExitUsage : kExitErrors;
    }
    printLines(cad::importSummary(file, result));
    return saveProjectTo(project, ui, out) ? kExitOk : kExitUsage;
}

int runExportDxf(Arguments args)
{
    const std::string out = requireOut(args);
    const bool map = args.takeFlag("--map");
    const std::string file = requireFile(args, "Brak nazwy pliku projektu");
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    if (map) {
        const int status = computeStatus(computeCommand(project, ui, stderr));
        if (status != kExitOk) {
            return status;
        }
    }
    return cad::exportDrawingPath(project, ui, dxf::writeDxf, out) ? kExitOk : kExitUsage;
}

int runScale(Arguments args)
{
    const std::string out = requireOut(args);
    const std::optional<std::string> factors = args.takeOption("-f");
    if (!factors) {
        throw UsageError{"Brak opcji -f WSPÓŁCZYNNIK"};
    }
    DataScaling scaling;
    std::tie(scaling.factorX, scaling.factorY) = parsePair("-f", *factors);
    if (const std::optional<std::string> origin = args.takeOption("--origin")) {
        std::tie(scaling.originX, scaling.originY) = parsePair("--origin", *origin);
    }
    const std::string file = requireFile(args, "Brak nazwy pliku projektu");
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    if (!scaleData(project, ui, scaling)) {
        return kExitErrors;
    }
    return saveProjectTo(project, ui, out) ? kExitOk : kExitUsage;
}

} // namespace zorind::cli
