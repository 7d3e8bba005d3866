#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Lista węzłów": the coordinates of every node.
// Tl_wez
class NodeList : public GridListWindow {
    Q_OBJECT
public:
    NodeList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
