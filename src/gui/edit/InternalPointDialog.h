#pragma once

#include "gui/edit/CoordinateDialog.h"

namespace zorind {

// "Węzeł wewnętrzny": the number and coordinates of one internal point. A
// non-zero `selectedNumber` locks the number field to that point; with 0
// the user types the number of an existing point (anything else is undone).
// Only a valid entry closes it with OK ("Złe dane" closes it as cancelled).
// Twwew
class InternalPointDialog : public CoordinateDialog {
    Q_OBJECT
public:
    InternalPointDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

protected:
    void fill() override;
    bool names(int number) const override;
    void load(int number) override;
    std::optional<int> corrected(std::optional<int> typed) const override;
    void okClicked() override;
};

} // namespace zorind
