#pragma once

#include <QDialog>

#include "edit/DialogSupport.h"
#include "model/Project.h"
#include "ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Współrzędne węzła": the number and coordinates of one node. A non-zero
// `selectedNumber` locks the number field to that node (any edit is undone
// at once); with 0 the user chooses the node, kept within 1..nodeCount.
class Twwez : public QDialog {
    Q_OBJECT
public:
    Twwez(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK, which it does
    // after OK also when the entry was refused.
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QLineEdit* xField() const { return xx_; }
    QLineEdit* yField() const { return yy_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs when the dialog is shown and whenever it becomes active.
    void fill();
    void numberChanged();
    void showNode(int n);
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QLineEdit* xx_;
    QLineEdit* yy_;
    bool inNumberChange_ = false;
    Reactivation reactivation_;
};

} // namespace zorind
