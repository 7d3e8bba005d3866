#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Wyniki w punktach wewnętrznych": per internal point of an elasticity
// analysis its coordinates, displacements and stresses, as the solve in this
// program gave them.
class Tl_wyn_pw : public GridListWindow {
    Q_OBJECT
public:
    Tl_wyn_pw(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
