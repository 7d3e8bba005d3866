#pragma once

#include <QDialog>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Ustawienia obszaru": the view area by its lower-left and upper-right
// corners.
// Td_obsz
class AreaDialog : public QDialog {
    Q_OBJECT
public:
    AreaDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally ("&Widok" > "&Obszar"). OK takes the area if
    // all four bounds parse and it is neither empty nor inverted, otherwise
    // shows "Złe wartości definiujące obszar" and keeps the old one; OK
    // closes the dialog either way. Returns whether the main window must
    // repaint: after OK, not after "Anuluj".
    bool edit();

    QLineEdit* leftField() const { return left_; }     // x of the lower-left corner
    QLineEdit* bottomField() const { return bottom_; } // y of the lower-left corner
    QLineEdit* rightField() const { return right_; }   // x of the upper-right corner
    QLineEdit* topField() const { return top_; }       // y of the upper-right corner

    // Fills the fields from the area in force (done on every showing).
    void fill();
    // The OK button: validates, applies and closes.
    void okClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Project& project_;
    Interaction* ui_;
    QLineEdit* left_;
    QLineEdit* bottom_;
    QLineEdit* right_;
    QLineEdit* top_;
};

} // namespace zorind
