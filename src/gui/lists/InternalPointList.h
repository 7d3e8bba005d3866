#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Lista węzłów wewnętrznych": the coordinates of every internal point.
// Tl_wezw
class InternalPointList : public GridListWindow {
    Q_OBJECT
public:
    InternalPointList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
