#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "Painter.h"
#include "model/NumberFormat.h"
#include "model/ProjectFile.h"
#include "solver/Compute.h"
#include "view/DisplayCommands.h"
#include "view/ViewCommands.h"

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

// Paints as the window does; a grid that turns out too fine is switched off
// and painted again, as the window's second repaint would show it.
QImage render(Project& project, Interaction& ui, ImageSize size)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    for (int pass = 0; pass < 2; ++pass) {
        QPainter painter(&image);
        const PaintOutcome outcome = paintModel(painter, project, size.width, size.height);
        if (outcome.message) {
            ui.message(outcome.message->text, outcome.message->caption, outcome.message->kind);
        }
        if (!outcome.repaintRequested) {
            break;
        }
    }
    return image;
}

// Writes the image as PNG the way projects are saved: into a temporary file
// first, then in place of the target, so that a full disk never leaves a
// broken picture where the old one was; a target the user may not write is
// refused. Empty on success, otherwise why it failed.
std::optional<std::string> writeImage(const QImage& image, const std::string& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return std::string("Nie można utworzyć obrazu");
    }
    const FileResult result =
        writeFileSafely(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
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
    const std::vector<std::string> views = args.takeFlagsInOrder({"--potential", "--flux"});
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    if (!out) {
        throw UsageError{"Brak nazwy pliku obrazu (-o PLIK.png)"};
    }
    if (views.size() > 1) {
        throw UsageError{"Można wybrać tylko jedno z --potential i --flux"};
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
    if (!views.empty()) {
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
        if (views.front() == "--potential") {
            togglePotential(project);
        } else {
            toggleFlux(project);
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

    const QImage image = render(project, messages, size);
    if (const std::optional<std::string> failure = writeImage(image, *out)) {
        messages.print(trace.get());
        CliInteraction::print(stderr, "Nie można zapisać obrazu do pliku " + *out +
                                          (failure->empty() ? std::string() : "\n" + *failure));
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace zorind::cli
