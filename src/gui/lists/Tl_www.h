#pragma once

#include "lists/GridListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Temperatury w węzłach wewnętrznych": the potential stored at every
// internal point, whether or not results exist.
class Tl_www : public GridListWindow {
    Q_OBJECT
public:
    Tl_www(const Project& project, QWidget* parent = nullptr);

protected:
    ListColumns table() const override;
    std::vector<int> columnWidths() const override;

private:
    const Project& project_;
};

} // namespace zorind
