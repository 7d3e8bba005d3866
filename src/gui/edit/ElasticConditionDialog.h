#pragma once

#include <array>

#include "gui/widgets/NumberedEntryDialog.h"

class QCheckBox;
class QRadioButton;

namespace zorind {

// "Warunek brzegowy" of plane elasticity: a continuous load or a
// displacement, with x and y components at node 1, the middle and node 2 of
// condition `selectedNumber` (0: the user types the number). OK closes it as
// cancelled when the entry is refused.
// Twb_wek
class ElasticConditionDialog : public NumberedEntryDialog {
    Q_OBJECT
public:
    ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QCheckBox* oneValue() const { return oneValue_; }
    QRadioButton* loadRadio() const { return continuousLoad_; }
    QRadioButton* displacementRadio() const { return displacement_; }
    // w1, w2, w3 (column 0, "W kierunku X") and w1y, w2y, w3y (column 1).
    QLineEdit* valueField(int column, int i) const { return (column == 0 ? xs_ : ys_).at(static_cast<std::size_t>(i)); }

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    // Also each time it becomes the active window.
    void fill() override;
    bool names(int number) const override;
    void load(int number) override;

private:
    void oneValueToggled(bool on);
    void copyFirstValues();
    bool store();
    void okClicked();

    QCheckBox* oneValue_;
    QRadioButton* continuousLoad_;
    QRadioButton* displacement_;
    std::array<QLineEdit*, 3> xs_{};
    std::array<QLineEdit*, 3> ys_{};
};

} // namespace zorind
