#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Lista wyników" of an elasticity analysis: per node the imported
// displacements, forces and stresses.
// Tl_wyn_spr
class ElasticResultsList : public GridListWindow {
    Q_OBJECT
public:
    ElasticResultsList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
