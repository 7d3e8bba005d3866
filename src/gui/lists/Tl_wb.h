#pragma once

#include "lists/EntryListWindow.h"
#include "session/Project.h"
#include "ui/Interaction.h"

namespace zorind {

// "Lista warunków brzegowych": the conditions the analysis knows, with their values; one can be made current.
class Tl_wb : public EntryListWindow {
    Q_OBJECT
public:
    Tl_wb(Project& project, Interaction& ui, QWidget* parent = nullptr);

protected:
    std::vector<Entry> entries() const override;
    QStringList columnHeadings() const override;
    void makeCurrent(int number) override;

private:
    Project& project_;
    Interaction* ui_;
};

} // namespace zorind
