#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/exchange/ElasticSolve.h"
#include "core/exchange/ElasticityResults.h"
#include "core/exchange/StressMap.h"
#include "core/model/NumberFormat.h"
#include "core/model/ProjectFile.h"
#include "core/model/Version.h"
#include "core/session/DisplayCommands.h"
#include "core/session/ViewCommands.h"
#include "core/solver/Compute.h"
#include "core/solver/FieldMap.h"
#include "core/solver/FluxArrows.h"
#include "core/ui/Messages.h"
#include "core/view/ColourScale.h"
#include "elastic/ElasticSolver.h"
#include "render/FieldMapPainter.h"
#include "render/Painter.h"

namespace zorind::cli {

namespace {

// Large enough for any print, small enough that the image and its
// background layer stay well within memory.
constexpr int kMaxImageSide = 8192;

struct ImageSize {
    int width = 640;
    int height = 480;
};

ImageSize parseSize(const std::string& text)
{
    const std::size_t x = text.find_first_of("xX");
    const std::optional<int> w = x == std::string::npos ? std::nullopt : parseInt(text.substr(0, x));
    const std::optional<int> h = x == std::string::npos ? std::nullopt : parseInt(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > kMaxImageSide || *h > kMaxImageSide) {
        throw UsageError{"Zły rozmiar obrazu: " + text + " (oczekiwano SZERxWYS, od 1 do " +
                         std::to_string(kMaxImageSide) + " pikseli)"};
    }
    return {*w, *h};
}

// Keeps the messages of a run that may still succeed; they are printed only
// if it fails, as a successful render prints nothing.
class HeldMessages : public CliInteraction {
public:
    HeldMessages() : CliInteraction(nullptr) {}

    void print(std::FILE* trace) const
    {
        if (trace != nullptr) {
            std::rewind(trace);
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, trace)) > 0) {
                std::fwrite(buffer, 1, n, stderr);
            }
        }
        for (const Shown& entry : shown) {
            CliInteraction::print(stderr, entry.text);
        }
    }
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The file format is chosen by the name's extension; anything but a PDF or
// an SVG is written as PNG, as before there were others.
enum class DrawingFormat { Png, Pdf, Svg };

DrawingFormat formatOf(const std::string& path)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') {
        return DrawingFormat::Png;
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "pdf") {
        return DrawingFormat::Pdf;
    }
    if (extension == "svg") {
        return DrawingFormat::Svg;
    }
    return DrawingFormat::Png;
}

// The screen's resolution: --size is in pixels of a 96-dpi screen, so the
// labels' 8-point font has the same size in pixels in every format and a
// vector drawing prints as large as the window shows it.
constexpr int kScreenDpi = 96;

// What is painted and into which file, with the title a vector file carries.
struct DrawingTarget {
    DrawingFormat format = DrawingFormat::Png;
    ImageSize size;
    QString title;
};

// Paints with `paint` on a fresh device of the target's format and returns
// the file's bytes; nothing when the device could not be made.
std::optional<QByteArray> drawingBytes(const DrawingTarget& target, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    const QString creator = QString::fromUtf8(kApplicationTitle) + ' ' + QString::fromUtf8(kApplicationVersion);
    const ImageSize size = target.size;
    switch (target.format) {
    case DrawingFormat::Png: {
        QImage image(size.width, size.height, QImage::Format_RGB32);
        if (image.isNull()) {
            return std::nullopt;
        }
        {
            QPainter painter(&image);
            paint(painter);
        }
        if (!image.save(&buffer, "PNG")) {
            return std::nullopt;
        }
        break;
    }
    case DrawingFormat::Svg: {
        // The view box is the drawing in pixels; the size on paper follows
        // from the resolution.
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kScreenDpi);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setTitle(target.title);
        svg.setDescription(creator);
        QPainter painter;
        if (!painter.begin(&svg)) {
            return std::nullopt;
        }
        paint(painter);
        if (!painter.end()) {
            return std::nullopt;
        }
        break;
    }
    case DrawingFormat::Pdf: {
        // One page exactly the drawing's size, without margins; the exact
        // size is kept even when it is close to a standard paper size.
        QPdfWriter pdf(&buffer);
        pdf.setCreator(creator);
        pdf.setTitle(target.title);
        pdf.setResolution(kScreenDpi);
        const QSizeF inches(static_cast<double>(size.width) / kScreenDpi,
                            static_cast<double>(size.height) / kScreenDpi);
        if (!pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch)) ||
            !pdf.setPageMargins(QMarginsF(0, 0, 0, 0))) {
            return std::nullopt;
        }
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return std::nullopt;
        }
        // The page's size in points is rounded; the drawing is fitted to
        // it rather than cut.
        if (pdf.width() != size.width || pdf.height() != size.height) {
            painter.scale(static_cast<double>(pdf.width()) / size.width,
                          static_cast<double>(pdf.height()) / size.height);
        }
        paint(painter);
        if (!painter.end()) {
            return std::nullopt;
        }
        break;
    }
    }
    return bytes;
}

// --displacements and --stress: the elasticity project solved in this
// process, as "Oblicz sprężystość" solves it, and the views of "Widok" turned
// on. The status of the run when it cannot be drawn, with the messages
// printed.
int showElasticity(Project& project, HeldMessages& messages, const std::vector<std::string>& views)
{
    if (project.analysisType != Elasticity) {
        CliInteraction::print(stderr, "Przemieszczenia i naprężenia zredukowane rysuje się tylko w zadaniach "
                                      "sprężystości (typ 10); obraz nie został narysowany");
        return kExitNotComputedHere;
    }
    switch (computeElasticityCommand(project, messages, elastic::solveElasticProblem)) {
    case ElasticComputeOutcome::Computed:
        break;
    case ElasticComputeOutcome::CheckErrors:
        messages.print(nullptr);
        return kExitErrors;
    default:
        messages.print(nullptr);
        return kExitComputeFailed;
    }
    for (const std::string& view : views) {
        if (view == "--displacements") {
            toggleDisplacements(project);
        } else {
            toggleReducedStress(project);
        }
    }
    return kExitOk;
}

// The width the model is drawn in: the legend takes its strip at the right
// when the picture is wide enough to leave the model as much again.
int modelAreaWidth(int width, bool legend)
{
    return legend && width >= 2 * kScaleWindowWidth ? width - kScaleWindowWidth : width;
}

// Paints as the window does; a grid that turns out too fine is switched off
// and the drawing is made again on a fresh device, as the window's second
// repaint would show it.
//
// With `legend` the colour scale is drawn in a strip at the right edge and
// the model in the rest; `map` is the potential map for that rest.
std::optional<QByteArray> render(Project& project, Interaction& ui, const DrawingTarget& target, bool legend,
                                 const solver::FieldMap* map, const solver::ArrowField* arrows)
{
    std::optional<QByteArray> bytes;
    const int modelWidth = modelAreaWidth(target.size.width, legend);
    for (int pass = 0; pass < 2; ++pass) {
        PaintOutcome outcome;
        bytes = drawingBytes(target, [&](QPainter& painter) {
            if (modelWidth < target.size.width) {
                painter.fillRect(modelWidth, 0, target.size.width - modelWidth, target.size.height, Qt::white);
            }
            outcome = paintModel(painter, project, modelWidth, target.size.height, map, arrows);
            if (legend && outcome.scaleVisible) {
                paintScaleLegend(painter, project.palette, project.scaleRange, target.size.width, target.size.height);
            }
        });
        if (outcome.message) {
            ui.message(outcome.message->text, outcome.message->caption, outcome.message->kind);
        }
        if (!bytes || !outcome.repaintRequested) {
            break;
        }
    }
    return bytes;
}

// Writes the drawing the way projects are saved: into a temporary file
// first, then in place of the target, so that a full disk never leaves a
// broken picture where the old one was; a target the user may not write is
// refused. Empty on success, otherwise why it failed.
std::optional<std::string> writeDrawing(const std::optional<QByteArray>& bytes, const std::string& path)
{
    if (!bytes) {
        return std::string("Nie można utworzyć obrazu");
    }
    const FileResult result =
        writeFileSafely(path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    if (!result.ok()) {
        return result.detail;
    }
    return std::nullopt;
}

} // namespace

int runRender(Arguments args)
{
    const std::optional<std::string> out = args.takeOption("-o");
    const std::optional<std::string> sizeText = args.takeOption("--size");
    const bool fit = args.takeFlag("--fit");
    const bool equalScale = args.takeFlag("--equal-scale");
    const std::vector<std::string> views = args.takeFlagsInOrder({"--potential", "--flux"});
    const std::vector<std::string> elasticViews = args.takeFlagsInOrder({"--displacements", "--stress"});
    const bool fieldMap = args.takeFlag("--map");
    const bool fluxArrows = args.takeFlag("--arrows");
    const bool conditions = args.takeFlag("--conditions");
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    if (!out) {
        throw UsageError{"Brak nazwy pliku obrazu (-o PLIK.png, PLIK.pdf lub PLIK.svg)"};
    }
    // As in the window, where showing one hides the others.
    if (views.size() + (conditions ? 1 : 0) > 1) {
        throw UsageError{"Można wybrać tylko jedno z --potential, --flux i --conditions"};
    }
    // The map is coloured by the potential's scale, the flux by a scale of its
    // own; the legend can show only one.
    if (fieldMap && !views.empty() && views.front() == "--flux") {
        throw UsageError{"Mapy pola (--map) nie można łączyć ze strumieniem (--flux)"};
    }
    args.expectEmpty();
    const ImageSize size = sizeText ? parseSize(*sizeText) : ImageSize{};

    Project project;
    if (!loadProject(project, *file)) {
        return kExitUsage;
    }
    HeldMessages messages;
    std::unique_ptr<std::FILE, FileCloser> trace(std::tmpfile());
    if (fit) {
        showEverything(project);
    }
    // As "Równa skala osi" and "Warunki brzegowe" in the window's "Widok" menu.
    project.view.equalScale = equalScale ? 1 : 0;
    project.display.showBoundaryConditions = conditions ? 1 : 0;
    // The map of an elasticity project is the reduced stress's.
    const bool stressMap = fieldMap && views.empty() && project.analysisType == Elasticity;
    if (fluxArrows && !isPotentialAnalysis(project.analysisType)) {
        CliInteraction::print(stderr, "Strzałki strumienia rysuje się tylko w zadaniach potencjalnych; obraz nie "
                                      "został narysowany");
        return kExitNotComputedHere;
    }
    if (!views.empty() || (fieldMap && !stressMap) || fluxArrows) {
        const int status = computeStatus(computeCommand(project, messages, trace.get()));
        if (status == kExitNotComputedHere) {
            messages.print(trace.get());
            CliInteraction::print(stderr, "Potencjał i strumień są obliczane tylko w zadaniach potencjalnych (typ " +
                                              std::to_string(project.analysisType) +
                                              " nie jest liczony przez ten program); obraz nie został narysowany");
            return status;
        }
        if (status != kExitOk) {
            messages.print(trace.get());
            return status;
        }
        if (!views.empty() && views.front() == "--potential") {
            togglePotential(project);
        } else if (!views.empty()) {
            toggleFlux(project);
        }
    }
    if (!elasticViews.empty() || stressMap) {
        if (const int status = showElasticity(project, messages, elasticViews); status != kExitOk) {
            return status;
        }
    }
    // The legend takes its strip whenever a colouring is drawn; the model,
    // its map and its arrows get the rest.
    const bool legend = !views.empty() || fieldMap || project.showReducedStress == 1;
    const ImageSize drawn{modelAreaWidth(size.width, legend), size.height};
    std::optional<solver::FieldMap> map;
    if (stressMap) {
        if (const std::optional<contract::ElasticProblem> problem = stressMapProblem(project)) {
            ViewTransform view = project.view;
            view.updateScales(drawn.width, drawn.height);
            map = computeStressMap(*problem, elastic::solveElasticProblem, view, reducedStressRange(project),
                                   drawn.width, drawn.height, 2);
        }
    }
    std::optional<solver::ArrowField> arrows;
    if ((fieldMap && !stressMap) || fluxArrows) {
        if (const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(project)) {
            ViewTransform view = project.view;
            view.updateScales(drawn.width, drawn.height);
            // Cells of two pixels: a smooth picture at a quarter of the points.
            if (fieldMap) {
                map = solver::computeFieldMap(*field, view, resultRanges(project).potential, drawn.width, drawn.height,
                                              2);
            }
            if (fluxArrows) {
                arrows = solver::computeFluxArrows(*field, view, drawn.width, drawn.height);
            }
        }
    }

    // Drawing text needs a GUI application; the offscreen platform needs no
    // display. Qt's own diagnostics (a missing runtime folder and the like)
    // are not the user's business: a successful render prints nothing.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "zorind-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const DrawingTarget target{formatOf(*out), size,
                               QString::fromStdString(std::filesystem::path(*file).stem().string())};
    const std::optional<QByteArray> drawing =
        render(project, messages, target, legend, map ? &*map : nullptr, arrows ? &*arrows : nullptr);
    if (const std::optional<std::string> failure = writeDrawing(drawing, *out)) {
        messages.print(trace.get());
        CliInteraction::print(stderr, "Nie można zapisać obrazu do pliku " + *out +
                                          (failure->empty() ? std::string() : "\n" + *failure));
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace zorind::cli
