#pragma once

#include <QDialog>

#include "core/session/Project.h"
#include "core/session/ScreenSettings.h"
#include "core/ui/Interaction.h"

class QCheckBox;
class QLineEdit;

namespace zorind {

// "Ustawienia ekranu": the drawing layers, the value labels, the grid and
// the palette.
// T_ustaw
class ScreenSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ScreenSettingsDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // The command "Ustawienia ekranu" (UstekrClick): shows the dialog
    // modally; "Anuluj" puts all twelve settings back; the palette is
    // rebuilt in every case.
    void edit();

    // The controls by their names: wezly, nrwezly, elem, nrelem, wew, wpe,
    // wse, www, siat, kol.
    QCheckBox* box(const char* name) const;
    QLineEdit* fieldX() const { return gridStepX_; }
    QLineEdit* fieldY() const { return gridStepY_; }

    // Fills the controls from the settings in force (done on every showing).
    void fill();
    // The OK button: applies the boxes, validates the spacing, closes.
    void okClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* addBox(const char* name, const char* caption);

    Project& project_;
    Interaction* ui_;
    QCheckBox* showNodes_;
    QCheckBox* showNodeNumbers_;
    QCheckBox* showElements_;
    QCheckBox* showElementNumbers_;
    QCheckBox* showInternalPoints_;
    QCheckBox* showEndValues_;
    QCheckBox* showMidValues_;
    QCheckBox* showInternalValues_;
    QCheckBox* gridOn_;
    QCheckBox* sevenBandPalette_;
    QLineEdit* gridStepX_;
    QLineEdit* gridStepY_;
};

} // namespace zorind
