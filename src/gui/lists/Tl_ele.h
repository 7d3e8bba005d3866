#pragma once

#include "lists/EntryListWindow.h"
#include "session/Project.h"

namespace zorind {

// "Lista elementów": nodes, condition and boundary of every element.
class Tl_ele : public EntryListWindow {
    Q_OBJECT
public:
    Tl_ele(const Project& project, QWidget* parent = nullptr);

protected:
    std::vector<Entry> entries() const override;
    QStringList columnHeadings() const override;

private:
    const Project& project_;
};

} // namespace zorind
