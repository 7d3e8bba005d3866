#pragma once

#include "gui/edit/ConditionDialogFrame.h"

namespace zorind {

// "Warunek brzegowy" of plane elasticity: a continuous load or a
// displacement, with x and y components at node 1, the middle and node 2 of
// condition `selectedNumber` (0: the user types the number).
// Twb_wek
class ElasticConditionDialog : public ConditionDialogFrame {
    Q_OBJECT
public:
    ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QRadioButton* loadRadio() const { return kindRadio(0); }
    QRadioButton* displacementRadio() const { return kindRadio(1); }

protected:
    // Also each time it becomes the active window.
    void fill() override;
    void load(int number) override;
    bool store() override;
};

} // namespace zorind
