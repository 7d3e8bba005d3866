#pragma once

#include "core/session/Project.h"
#include "gui/lists/GridListWindow.h"

namespace zorind {

// "Lista wyników": potential and flux at the start, middle and end of every
// element, as stored after the last computation or scaling.
// Tl_wyn
class ResultsList : public GridListWindow {
    Q_OBJECT
public:
    ResultsList(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
