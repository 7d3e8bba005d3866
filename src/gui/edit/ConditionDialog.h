#pragma once

#include <array>

#include "gui/widgets/NumberedEntryDialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace zorind {

// "Warunek brzegowy" of the potential analyses: the kind (potential, flux
// or, for heat flow, convection) and the values at node 1, the middle and
// node 2 of condition `selectedNumber` (0: the user types the number). OK
// closes it as cancelled when the entry is refused.
// Twb
class ConditionDialog : public NumberedEntryDialog {
    Q_OBJECT
public:
    ConditionDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QCheckBox* oneValue() const { return oneValue_; }
    QRadioButton* potentialRadio() const { return potential_; }
    QRadioButton* fluxRadio() const { return flux_; }
    QRadioButton* convectionRadio() const { return convection_; }
    // w1, w2, w3.
    QLineEdit* valueField(int i) const { return values_.at(static_cast<std::size_t>(i)); }
    QLineEdit* ambientField() const { return ambient_; }
    QLabel* ambientLabel() const { return ambientLabel_; }

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    // Also each time it becomes the active window, e.g. after one of its own
    // message boxes closes.
    void fill() override;
    bool names(int number) const override;
    void load(int number) override;

private:
    void oneValueToggled(bool on);
    void firstValueChanged();
    bool store();
    void okClicked();

    QCheckBox* oneValue_;
    QRadioButton* potential_;
    QRadioButton* flux_;
    QRadioButton* convection_;
    std::array<QLineEdit*, 3> values_{};
    QLabel* ambientLabel_;
    QLineEdit* ambient_;
};

} // namespace zorind
