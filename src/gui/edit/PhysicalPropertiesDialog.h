#pragma once

#include <QDialog>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLabel;
class QLineEdit;

namespace zorind {

// "Własności fizyczne": the conductivity of the material, greater than 0.
// Twf
class PhysicalPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PhysicalPropertiesDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally. On any outcome but a valid OK the
    // conductivity held before the dialog opened stays. Returns true for OK.
    bool edit();

    QLabel* label() const { return propertyLabel_; }
    QLineEdit* field() const { return value_; }

    // The label for an analysis type.
    static QString propertyLabel(int analysisType);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLabel* propertyLabel_;
    QLineEdit* value_;
};

} // namespace zorind
