#pragma once

#include <QDialog>

#include "session/Project.h"
#include "ui/Interaction.h"

class QLineEdit;
class QRadioButton;

namespace zorind {

// "Brzeg": whether boundary `selectedNumber` is the outer boundary or an
// inner one (a hole).
class Tobrzeg : public QDialog {
    Q_OBJECT
public:
    Tobrzeg(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK after storing.
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QRadioButton* outerRadio() const { return temp_; }
    QRadioButton* innerRadio() const { return strum_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showKindOf(int boundary);
    void numberChanged();
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QRadioButton* temp_;
    QRadioButton* strum_;
    bool filling_ = false;
};

} // namespace zorind
