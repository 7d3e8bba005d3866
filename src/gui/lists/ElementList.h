#pragma once

#include "core/session/Project.h"
#include "gui/lists/EntryListWindow.h"

namespace zorind {

// "Lista elementów": nodes, condition and boundary of every element.
// Tl_ele
class ElementList : public EntryListWindow {
    Q_OBJECT
public:
    ElementList(const Project& project, QWidget* parent = nullptr);

protected:
    std::vector<Entry> entries() const override;
    QStringList columnHeadings() const override;

private:
    const Project& project_;
};

} // namespace zorind
