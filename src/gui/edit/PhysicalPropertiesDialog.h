#pragma once

#include <QDialog>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zorind {

// "Własności fizyczne": the conductivity of the material, greater than 0;
// in an elasticity project also the material below it: Young's modulus,
// Poisson's ratio, plane strain or plane stress.
// Twf
class PhysicalPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PhysicalPropertiesDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally. On any outcome but a valid OK the
    // conductivity and the material held before the dialog opened stay.
    // Returns true for OK.
    bool edit();

    QLabel* label() const { return propertyLabel_; }
    QLineEdit* field() const { return value_; }
    QFrame* materialBox() const { return material_; }
    QLineEdit* youngModulusField() const { return youngModulus_; }
    QLineEdit* poissonRatioField() const { return poissonRatio_; }
    QRadioButton* planeStressButton() const { return planeStress_; }

    // The label for an analysis type.
    static QString propertyLabel(int analysisType);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QFrame* materialFrame();

    QLabel* propertyLabel_;
    QLineEdit* value_;
    QLineEdit* youngModulus_;
    QLineEdit* poissonRatio_;
    QRadioButton* planeStrain_;
    QRadioButton* planeStress_;
    QFrame* material_;
};

} // namespace zorind
