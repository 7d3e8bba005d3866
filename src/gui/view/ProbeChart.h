#pragma once

#include <QChartView>
#include <QString>

#include "core/postprocess/Probe.h"

namespace zorind {

// The plot of a probe against the distance s along its segment: potential
// (left axis) and the flux through the segment (right axis), or for
// elasticity the displacements (left) and the reduced stress (right). The
// points outside the region are left out, the lines broken there. The
// values at the point nearest the pointer are announced as the pointer
// moves over the plot.
class ProbeChart : public QChartView {
    Q_OBJECT
public:
    explicit ProbeChart(QWidget* parent = nullptr);

    void setProbe(const Probe& probe);
    const Probe& probe() const { return probe_; }

    // The values of the point nearest to s, as the window writes them
    // (the user's decimal separator); empty without points.
    QString valuesNear(double s) const;

signals:
    void pointed(const QString& values);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Probe probe_;
};

} // namespace zorind
