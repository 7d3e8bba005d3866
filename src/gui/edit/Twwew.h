#pragma once

#include <QDialog>

#include "edit/DialogSupport.h"
#include "model/Project.h"
#include "ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Węzeł wewnętrzny": the number and coordinates of one internal point. A
// non-zero `selectedNumber` locks the number field to that point; with 0
// the user types the number of an existing point (anything else is undone).
class Twwew : public QDialog {
    Q_OBJECT
public:
    Twwew(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK, which only a
    // valid entry does ("Złe dane" closes it as cancelled).
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
    void showPoint(int k);
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
