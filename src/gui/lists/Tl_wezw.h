#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Lista węzłów wewnętrznych": the coordinates of every internal point.
class Tl_wezw : public GridListWindow {
    Q_OBJECT
public:
    Tl_wezw(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
