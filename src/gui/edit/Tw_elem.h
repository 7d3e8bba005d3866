#pragma once

#include <QDialog>

#include "edit/DialogSupport.h"
#include "session/Project.h"
#include "ui/Interaction.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zorind {

// "Własności elementu": the start and end node, boundary condition and
// boundary of one element, chosen from lists of the current tables (the
// value stored is the selected item's index + 1). The node lists can be
// changed only while "pozwól zmienić numery węzłów" is ticked. A non-zero
// `selectedNumber` locks the number field until the dialog's first
// activation, which opens it on element 1 with the field free.
class Tw_elem : public QDialog {
    Q_OBJECT
public:
    Tw_elem(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK (after OK also
    // when the entry was refused).
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QCheckBox* allowNodeChange() const { return pzw_; }
    QComboBox* startNodeList() const { return cwp_; }
    QComboBox* endNodeList() const { return cwk_; }
    QComboBox* conditionList() const { return cnwb_; }
    QComboBox* boundaryList() const { return cnb_; }
    QPushButton* applyButton() const { return zastosuj_; }

    // The dialog became the active window again while open (after a message
    // box, or the user coming back to it).
    void reactivated();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fillLists();
    void selectFirst();
    void selectElement(int k);
    void activation(bool first);
    void numberChanged();
    void store();

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QCheckBox* pzw_;
    QComboBox* cwp_;
    QComboBox* cwk_;
    QComboBox* cnwb_;
    QComboBox* cnb_;
    QPushButton* zastosuj_;
    bool inNumberChange_ = false;
    Reactivation reactivation_;
};

} // namespace zorind
