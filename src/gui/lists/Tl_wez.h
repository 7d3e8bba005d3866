#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Lista węzłów": the coordinates of every node.
class Tl_wez : public GridListWindow {
    Q_OBJECT
public:
    Tl_wez(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
