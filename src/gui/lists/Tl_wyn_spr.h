#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Lista wyników" of an elasticity analysis: per node the imported
// displacements, forces and stresses.
class Tl_wyn_spr : public GridListWindow {
    Q_OBJECT
public:
    Tl_wyn_spr(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
