#pragma once

#include <QDialog>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Ustawienia siatki": the grid spacing along x and y.
// Td_siatki
class GridDialog : public QDialog {
    Q_OBJECT
public:
    GridDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally ("&Widok" > "&Siatka"). OK takes both
    // spacings if they are positive numbers, otherwise shows "Zła wartość
    // podziałki" and keeps the old ones; OK closes the dialog either way.
    // Returns whether the main window must repaint: always.
    bool edit();

    QLineEdit* fieldX() const { return stepX_; }
    QLineEdit* fieldY() const { return stepY_; }

    // Fills the fields from the spacing in force (done on every showing).
    void fill();
    // The OK button: validates, applies and closes.
    void okClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Project& project_;
    Interaction* ui_;
    QLineEdit* stepX_;
    QLineEdit* stepY_;
};

} // namespace zorind
