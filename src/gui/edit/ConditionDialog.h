#pragma once

#include "gui/edit/ConditionDialogFrame.h"

class QLabel;

namespace zorind {

// "Warunek brzegowy" of the potential analyses: the kind (potential, flux
// or, for heat flow, convection) and the values at node 1, the middle and
// node 2 of condition `selectedNumber` (0: the user types the number), with
// the ambient temperature of convection.
// Twb
class ConditionDialog : public ConditionDialogFrame {
    Q_OBJECT
public:
    ConditionDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QRadioButton* potentialRadio() const { return kindRadio(0); }
    QRadioButton* fluxRadio() const { return kindRadio(1); }
    QRadioButton* convectionRadio() const { return kindRadio(2); }
    // w1, w2, w3.
    QLineEdit* valueField(int i) const { return ConditionDialogFrame::valueField(0, i); }
    QLineEdit* ambientField() const { return ambient_; }
    QLabel* ambientLabel() const { return ambientLabel_; }

protected:
    // Also each time it becomes the active window, e.g. after one of its own
    // message boxes closes.
    void fill() override;
    void load(int number) override;
    bool store() override;

private:
    QLabel* ambientLabel_;
    QLineEdit* ambient_;
};

} // namespace zorind
