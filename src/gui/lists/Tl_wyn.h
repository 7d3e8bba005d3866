#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Lista wyników": potential and flux at the start, middle and end of every
// element, as stored after the last computation or scaling.
class Tl_wyn : public GridListWindow {
    Q_OBJECT
public:
    Tl_wyn(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
