#pragma once

#include <QSize>
#include <vector>

#include "core/lists/ListColumns.h"
#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// What one grid window of the Project shows: its object name (the form's
// old name), title and designed client size, its table, the least width of
// each column, and anything else it sets up once.
struct GridListSpec {
    const char* objectName;
    const char* title;
    QSize clientSize;
    ListColumns (*table)(const Project& project);
    std::vector<int> (*columnWidths)(const GridListWindow& window);
    void (*setUp)(GridListWindow& window) = nullptr;
};

// A grid window showing one table of the Project, as `spec` says. Each
// window is a type of its own, so that the window set tells them apart.
template <const GridListSpec& spec> class ProjectGridList final : public GridListWindow {
public:
    explicit ProjectGridList(const Project& project, QWidget* parent = nullptr)
        : GridListWindow(QString::fromLatin1(spec.objectName), QString::fromUtf8(spec.title), spec.clientSize, parent),
          project_(project)
    {
        if (spec.setUp != nullptr) {
            spec.setUp(*this);
        }
    }

protected:
    ListColumns table() const override { return spec.table(project_); }
    std::vector<int> columnWidths() const override { return spec.columnWidths(*this); }

private:
    const Project& project_;
};

// "Lista węzłów": the coordinates of every node.
extern const GridListSpec kNodeListSpec;
using NodeList = ProjectGridList<kNodeListSpec>; // Tl_wez

// "Lista węzłów wewnętrznych": the coordinates of every internal point.
extern const GridListSpec kInternalPointListSpec;
using InternalPointList = ProjectGridList<kInternalPointListSpec>; // Tl_wezw

// "Temperatury w węzłach wewnętrznych": the potential stored at every
// internal point, whether or not results exist.
extern const GridListSpec kInternalPointPotentialListSpec;
using InternalPointPotentialList = ProjectGridList<kInternalPointPotentialListSpec>; // Tl_www

// "Lista wyników": potential and flux at the start, middle and end of every
// element, as stored after the last computation or scaling.
extern const GridListSpec kResultsListSpec;
using ResultsList = ProjectGridList<kResultsListSpec>; // Tl_wyn

// "Lista wyników" of an elasticity analysis: per node the imported
// displacements, forces and stresses.
extern const GridListSpec kElasticResultsListSpec;
using ElasticResultsList = ProjectGridList<kElasticResultsListSpec>; // Tl_wyn_spr

// "Wyniki w punktach wewnętrznych": per internal point of an elasticity
// analysis its coordinates, displacements and stresses, as the solve in this
// program gave them.
extern const GridListSpec kInternalPointResultsListSpec;
using InternalPointResultsList = ProjectGridList<kInternalPointResultsListSpec>; // Tl_wyn_pw

} // namespace zorind
