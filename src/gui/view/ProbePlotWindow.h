#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/postprocess/Probe.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace zorind {

class ProbeChart;

inline constexpr const char* kProbePlotTitle = "Wykres wzdłuż odcinka";

// "Wykres wzdłuż odcinka": the results along a segment, plotted against the
// distance from its start (potential and the flux through the segment, or
// displacements and reduced stress), with the ends and the number of
// points in fields the user may type into ("&Rysuj" plots again), the
// values at the point under the pointer, the flux through the whole segment,
// "&Kopiuj" (the points as tab-separated text) and "&Zapisz obraz" (PNG or
// SVG). While it is open the segment is drawn on the model. It stays open
// beside the main window.
class ProbePlotWindow : public QDialog {
    Q_OBJECT
public:
    ProbePlotWindow(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the window: with ends, plotted along them at once; without,
    // for the user to type them.
    void open(std::optional<std::array<double, 4>> ends);
    // Plots along the segment in the fields; a refusal is shown as an error
    // and the plot stays as it was. Returns whether it plotted.
    bool plot();

    ProbeChart* chart() const { return chart_; }
    // What "&Kopiuj" puts on the clipboard.
    QString copiedText() const;
    // Writes the plot as a picture, PNG or SVG by the name's extension,
    // without touching the file on failure; false with the reason shown.
    bool savePicture(const std::string& path);

signals:
    // The segment drawn on the model changed: the drawing is to be repainted.
    void segmentChanged();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void choosePicture();

    Project& project_;
    Interaction& ui_;
    std::array<QLineEdit*, 4> ends_{};
    QSpinBox* intervals_ = nullptr;
    ProbeChart* chart_ = nullptr;
    QLabel* pointed_ = nullptr;
    QLabel* flux_ = nullptr;
};

} // namespace zorind
