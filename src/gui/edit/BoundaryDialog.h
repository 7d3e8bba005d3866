#pragma once

#include "gui/widgets/NumberedEntryDialog.h"

class QRadioButton;

namespace zorind {

// "Brzeg": whether boundary `selectedNumber` is the outer boundary or an
// inner one (a hole); with 0 the user types the number. OK closes it as
// cancelled when the entry is refused.
// Tobrzeg
class BoundaryDialog : public NumberedEntryDialog {
    Q_OBJECT
public:
    BoundaryDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QRadioButton* outerRadio() const { return outer_; }
    QRadioButton* innerRadio() const { return inner_; }

protected:
    void fill() override;
    bool names(int number) const override;
    void load(int number) override;

private:
    void okClicked();

    QRadioButton* outer_;
    QRadioButton* inner_;
};

} // namespace zorind
