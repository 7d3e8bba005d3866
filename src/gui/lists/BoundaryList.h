#pragma once

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "gui/lists/EntryListWindow.h"

namespace zorind {

// "Lista brzegów": every boundary with its type; one can be made current.
// Tl_brz
class BoundaryList : public EntryListWindow {
    Q_OBJECT
public:
    BoundaryList(Project& project, Interaction& ui, QWidget* parent = nullptr);

protected:
    std::vector<Entry> entries() const override;
    QStringList columnHeadings() const override;
    void makeCurrent(int number) override;

private:
    Project& project_;
    Interaction* ui_;
};

} // namespace zorind
