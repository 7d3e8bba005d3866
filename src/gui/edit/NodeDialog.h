#pragma once

#include "gui/edit/CoordinateDialog.h"

namespace zorind {

// "Współrzędne węzła": the number and coordinates of one node. A non-zero
// `selectedNumber` locks the number field to that node (any edit is undone
// at once); with 0 the user chooses the node, kept within 1..nodeCount.
// OK closes the dialog also when the entry was refused ("Złe dane"), but
// then as cancelled.
// Twwez
class NodeDialog : public CoordinateDialog {
    Q_OBJECT
public:
    NodeDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool names(int number) const override;
    void load(int number) override;
    std::optional<int> corrected(std::optional<int> typed) const override;
    void okClicked() override;
};

} // namespace zorind
