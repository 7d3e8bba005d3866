#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Temperatury w węzłach wewnętrznych": the potential stored at every
// internal point, whether or not results exist.
// Tl_www
class InternalPointPotentialList : public GridListWindow {
    Q_OBJECT
public:
    InternalPointPotentialList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
