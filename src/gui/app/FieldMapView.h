#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/session/Project.h"
#include "core/solver/FieldMap.h"
#include "core/solver/FluxArrows.h"

class QStatusBar;

namespace zorind {

// The potential map of the drawing area ("Widok" > "&Mapa pola"), or the
// reduced-stress map of an elasticity project's results. It is
// computed in a worker thread for the view, the size and the results the
// drawing is painted with, and painted once it is ready; a progress bar in
// the status bar shows a computation that takes more than 0.3 s. A new view,
// a new command or the switch turned off cancels the computation under way;
// the map goes with the results.
class FieldMapView : public QObject {
    Q_OBJECT
public:
    // `repaint` asks the drawing area for a repaint of the model.
    FieldMapView(QStatusBar* statusBar, std::function<void()> repaint, QObject* parent = nullptr);
    ~FieldMapView() override;
    FieldMapView(const FieldMapView&) = delete;
    FieldMapView& operator=(const FieldMapView&) = delete;

    // The map to paint the project with on a client area width × height:
    // the finished map of exactly this view, size and results, or nothing
    // (then the computation of that map is started, if it is not under way).
    // The flux arrows ("Strzałki strumienia") are computed with it, and
    // arrows() gives those of the same view afterwards.
    const solver::FieldMap* mapFor(const Project& project, int width, int height);
    const solver::ArrowField* arrows() const { return arrows_ ? &*arrows_ : nullptr; }

    // Stops the computation under way; the drawing is repainted, so that the
    // map is computed again if it is still wanted.
    void cancel();

    // Whether a map is being computed; the progress bar (for the tests).
    bool computing() const { return job_ != nullptr; }
    QProgressBar* progressBar() const { return progress_; }

private:
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<std::size_t> done{0};
        std::size_t total = 0;
        std::optional<solver::FieldMap> map;
        std::optional<solver::ArrowField> arrows;
    };

    void stopJob();
    void finished(std::uint64_t generation);
    void tick();

    std::function<void()> repaint_;
    QPointer<QProgressBar> progress_;
    QTimer progressTimer_;
    QElapsedTimer elapsed_;

    std::optional<solver::FieldMap> map_;
    std::optional<solver::ArrowField> arrows_;
    std::vector<double> mapKey_;
    std::shared_ptr<Job> job_;
    std::vector<double> jobKey_;
    std::thread thread_;
    std::uint64_t generation_ = 0;
};

} // namespace zorind
