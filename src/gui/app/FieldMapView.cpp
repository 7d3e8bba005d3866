#include "gui/app/FieldMapView.h"

#include <QProgressBar>
#include <QStatusBar>

#include "core/exchange/ElasticityResults.h"
#include "core/exchange/StressMap.h"
#include "core/view/ColourScale.h"
#include "elastic/ElasticSolver.h"

namespace zorind {

namespace {

// Cells of four pixels: a smooth picture at a sixteenth of the points.
constexpr int kCellPixels = 4;
// A computation shorter than this shows no progress bar.
constexpr int kProgressDelayMs = 300;

} // namespace

FieldMapView::FieldMapView(QStatusBar* statusBar, std::function<void()> repaint, QObject* parent)
    : QObject(parent), repaint_(std::move(repaint))
{
    progress_ = new QProgressBar(statusBar);
    progress_->setObjectName(QStringLiteral("FieldMapProgress"));
    progress_->setAccessibleName(QStringLiteral("Obliczanie mapy pola"));
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(150);
    progress_->hide();
    if (statusBar != nullptr) {
        statusBar->addPermanentWidget(progress_);
    }
    progressTimer_.setInterval(100);
    connect(&progressTimer_, &QTimer::timeout, this, &FieldMapView::tick);
}

FieldMapView::~FieldMapView()
{
    stopJob();
}

const solver::FieldMap* FieldMapView::mapFor(const Project& project, int width, int height)
{
    // The potential of a potential analysis, the reduced stress of an
    // elasticity one.
    std::optional<solver::PotentialField> field;
    std::optional<contract::ElasticProblem> problem;
    const bool wantMap = project.display.showFieldMap == 1;
    const bool wantArrows = project.display.showFluxArrows == 1 && isPotentialAnalysis(project.analysisType);
    if ((wantMap || wantArrows) && project.resultsValid == 1 && width > 0 && height > 0) {
        if (project.analysisType == Elasticity) {
            problem = stressMapProblem(project);
        } else {
            field = solver::PotentialField::fromModel(project);
        }
    }
    if (!field && !problem) {
        stopJob();
        map_.reset();
        arrows_.reset();
        mapKey_.clear();
        return nullptr;
    }
    ViewTransform view = project.view;
    view.updateScales(width, height);
    const ColourScaleRange range = problem ? reducedStressRange(project) : resultRanges(project).potential;
    std::vector<double> key = {static_cast<double>(width),
                               static_cast<double>(height),
                               view.areaXMin,
                               view.areaYMin,
                               view.scaleX,
                               view.scaleY,
                               view.offsetX,
                               view.offsetY,
                               static_cast<double>(view.marginLeft),
                               static_cast<double>(view.marginTop),
                               static_cast<double>(view.marginBottom),
                               range.scaleMin,
                               range.scaleStep,
                               range.scaleMax,
                               wantMap ? 1.0 : 0.0,
                               wantArrows ? 1.0 : 0.0};
    if (field) {
        key.push_back(static_cast<double>(field->fingerprint()));
    } else {
        // Everything the stresses depend on.
        key.push_back(-1.0);
        key.push_back(problem->youngModulus);
        key.push_back(problem->poissonRatio);
        for (const contract::PlanePoint& n : problem->nodes) {
            key.push_back(n.x);
            key.push_back(n.y);
        }
        for (const contract::ElasticElement& e : problem->elements) {
            key.insert(key.end(), {static_cast<double>(e.start), static_cast<double>(e.end),
                                   static_cast<double>(e.kind), e.atStart.x, e.atStart.y, e.atEnd.x, e.atEnd.y});
        }
    }
    if (key == mapKey_) {
        return map_ ? &*map_ : nullptr;
    }
    if (job_ && key == jobKey_) {
        return nullptr;
    }
    stopJob();
    map_.reset();
    arrows_.reset();
    mapKey_.clear();
    auto job = std::make_shared<Job>();
    job->total = static_cast<std::size_t>((width + kCellPixels - 1) / kCellPixels) *
                 static_cast<std::size_t>((height + kCellPixels - 1) / kCellPixels);
    job_ = job;
    jobKey_ = std::move(key);
    const std::uint64_t generation = ++generation_;
    thread_ = std::thread(
        [this, job, field = std::move(field), problem = std::move(problem), view, range, width, height, generation,
         wantMap, wantArrows] {
            if (field && wantArrows) {
                job->arrows = solver::computeFluxArrows(*field, view, width, height, solver::kArrowSpacing, &job->cancel);
            }
            if (field && wantMap) {
                job->map =
                    solver::computeFieldMap(*field, view, range, width, height, kCellPixels, &job->cancel, &job->done);
            } else if (problem) {
                job->map = computeStressMap(*problem, elastic::solveElasticProblem, view, range, width, height,
                                            kCellPixels, &job->cancel, &job->done);
            }
            QMetaObject::invokeMethod(
                this, [this, generation] { finished(generation); }, Qt::QueuedConnection);
        });
    elapsed_.start();
    progressTimer_.start();
    return nullptr;
}

void FieldMapView::cancel()
{
    if (job_) {
        stopJob();
        if (repaint_) {
            repaint_();
        }
    }
}

void FieldMapView::stopJob()
{
    if (job_) {
        job_->cancel = true;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    job_.reset();
    ++generation_;
    progressTimer_.stop();
    if (progress_) {
        progress_->hide();
    }
}

void FieldMapView::finished(std::uint64_t generation)
{
    if (generation != generation_ || !job_) {
        return; // a computation cancelled since
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    const bool complete = !job_->cancel;
    if (complete) {
        map_ = std::move(job_->map);
        arrows_ = std::move(job_->arrows);
        mapKey_ = jobKey_;
    }
    job_.reset();
    progressTimer_.stop();
    if (progress_) {
        progress_->hide();
    }
    if (complete && repaint_) {
        repaint_();
    }
}

void FieldMapView::tick()
{
    if (!job_) {
        progressTimer_.stop();
        return;
    }
    if (elapsed_.elapsed() < kProgressDelayMs || !progress_) {
        return;
    }
    const std::size_t total = std::max<std::size_t>(job_->total, 1);
    progress_->setValue(static_cast<int>(100 * std::min(job_->done.load(), total) / total));
    progress_->show();
}

} // namespace zorind
