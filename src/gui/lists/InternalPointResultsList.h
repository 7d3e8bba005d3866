#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Wyniki w punktach wewnętrznych": per internal point of an elasticity
// analysis its coordinates, displacements and stresses, as the solve in this
// program gave them.
// Tl_wyn_pw
class InternalPointResultsList : public GridListWindow {
    Q_OBJECT
public:
    InternalPointResultsList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
