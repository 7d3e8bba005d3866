#include "gui/view/ProbeChart.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace zorind {

namespace {

// One quantity of the plot: its name, colour, axis and value at a point.
struct Quantity {
    const char* name;
    QColor colour;
    bool rightAxis;
    double (*value)(const ProbeSample&);
};

const Quantity kPotential[] = {
    {"Potencjał", QColor(0, 90, 200), false, [](const ProbeSample& p) { return p.value; }},
    {"Strumień normalny", QColor(200, 60, 0), true, [](const ProbeSample& p) { return p.normalFlux; }},
};
const Quantity kElasticity[] = {
    {"przem.X", QColor(0, 90, 200), false, [](const ProbeSample& p) { return p.displacement[0]; }},
    {"przem.Y", QColor(0, 150, 80), false, [](const ProbeSample& p) { return p.displacement[1]; }},
    {"sig.red.", QColor(200, 60, 0), true, [](const ProbeSample& p) { return p.stress.reduced; }},
};

QString number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

// An axis over [low, high], widened a little, and to a unit when empty.
QValueAxis* axisOver(double low, double high, const QString& title)
{
    auto* axis = new QValueAxis;
    if (!(low <= high)) {
        low = 0.0;
        high = 1.0;
    }
    const double margin = high > low ? 0.05 * (high - low) : std::max(1.0, std::fabs(low) * 0.05);
    axis->setRange(low - margin, high + margin);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    return axis;
}

} // namespace

ProbeChart::ProbeChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("ProbeChart"));
    setAccessibleName(QStringLiteral("Wykres"));
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setMinimumSize(480, 300);
}

void ProbeChart::setProbe(const Probe& probe)
{
    probe_ = probe;
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    const double sMax = probe.samples.empty() ? 1.0 : probe.samples.back().s;
    auto* sAxis = axisOver(0.0, sMax, QStringLiteral("s"));
    sAxis->setRange(0.0, sMax > 0.0 ? sMax : 1.0);
    chart->addAxis(sAxis, Qt::AlignBottom);
    const auto* begin = probe.elasticity ? std::begin(kElasticity) : std::begin(kPotential);
    const auto* end = probe.elasticity ? std::end(kElasticity) : std::end(kPotential);
    double range[2][2] = {{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()},
                          {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}};
    std::vector<std::pair<QLineSeries*, bool>> all;
    for (const Quantity* q = begin; q != end; ++q) {
        // A line per run of points in the region.
        QLineSeries* line = nullptr;
        bool first = true;
        for (const ProbeSample& p : probe.samples) {
            const double v = q->value(p);
            if (!p.inside || !std::isfinite(v)) {
                line = nullptr;
                continue;
            }
            if (line == nullptr) {
                line = new QLineSeries;
                line->setName(QString::fromUtf8(q->name));
                line->setPen(QPen(q->colour, 2));
                all.emplace_back(line, first);
                first = false;
                chart->addSeries(line);
            }
            line->append(p.s, v);
            double* r = range[q->rightAxis ? 1 : 0];
            r[0] = std::min(r[0], v);
            r[1] = std::max(r[1], v);
        }
    }
    auto* left = axisOver(range[0][0], range[0][1],
                          probe.elasticity ? QStringLiteral("Przemieszczenie") : QStringLiteral("Potencjał"));
    auto* right = axisOver(range[1][0], range[1][1],
                           probe.elasticity ? QStringLiteral("Naprężenie zredukowane")
                                            : QStringLiteral("Strumień normalny"));
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    for (const auto& [series, named] : all) {
        const bool onRight = series->name() == QStringLiteral("Strumień normalny") ||
                             series->name() == QStringLiteral("sig.red.");
        series->attachAxis(sAxis);
        series->attachAxis(onRight ? right : left);
        // The legend names each quantity once.
        for (QLegendMarker* marker : chart->legend()->markers(series)) {
            marker->setVisible(named);
        }
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

QString ProbeChart::valuesNear(double s) const
{
    if (probe_.samples.empty()) {
        return {};
    }
    const auto nearest = std::min_element(probe_.samples.begin(), probe_.samples.end(),
                                          [s](const ProbeSample& a, const ProbeSample& b) {
                                              return std::fabs(a.s - s) < std::fabs(b.s - s);
                                          });
    const ProbeSample& p = *nearest;
    QString text = QStringLiteral("s = %1   x = %2   y = %3").arg(number(p.s), number(p.x), number(p.y));
    if (!p.inside) {
        return text + QStringLiteral("   poza obszarem");
    }
    const auto* begin = probe_.elasticity ? std::begin(kElasticity) : std::begin(kPotential);
    const auto* end = probe_.elasticity ? std::end(kElasticity) : std::end(kPotential);
    for (const Quantity* q = begin; q != end; ++q) {
        text += QStringLiteral("   %1 = %2").arg(QString::fromUtf8(q->name), number(q->value(p)));
    }
    return text;
}

void ProbeChart::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    if (chart() == nullptr || chart()->series().isEmpty()) {
        return;
    }
    const QPointF at = chart()->mapToValue(chart()->mapFromScene(mapToScene(event->position().toPoint())),
                                           chart()->series().front());
    emit pointed(valuesNear(at.x()));
}

} // namespace zorind
