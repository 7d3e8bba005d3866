#pragma once

#include "gui/edit/ConditionDialogFrame.h"

namespace zorind {

// "Warunek brzegowy" of plane elasticity: a continuous load, a displacement,
// a pressure or a symmetry plane (one component held, the other loaded),
// with x and y components at node 1, the middle and node 2 of condition
// `selectedNumber` (0: the user types the number). A pressure has one value
// per place: the first column, headed "Ciśnienie"; the second is greyed.
// Twb_wek
class ElasticConditionDialog : public ConditionDialogFrame {
    Q_OBJECT
public:
    ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QRadioButton* loadRadio() const { return kindRadio(0); }
    QRadioButton* displacementRadio() const { return kindRadio(1); }
    QRadioButton* pressureRadio() const { return kindRadio(2); }
    QRadioButton* heldXRadio() const { return kindRadio(3); }
    QRadioButton* heldYRadio() const { return kindRadio(4); }

protected:
    // Also each time it becomes the active window.
    void fill() override;
    void load(int number) override;
    bool store() override;

private:
    // The kind chosen, from the radios.
    int chosenKind() const;
    // The second column and the first column's heading as the kind needs them.
    void showKindFields();
};

} // namespace zorind
