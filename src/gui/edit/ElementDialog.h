#pragma once

#include "gui/widgets/NumberedEntryDialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zorind {

// "Własności elementu": the start and end node, boundary condition and
// boundary of one element, chosen from lists of the current tables (the
// value stored is the selected item's index + 1). The node lists can be
// changed only while "pozwól zmienić numery węzłów" is ticked. A non-zero
// `selectedNumber` (the element "Dodaj" has just appended) locks the dialog
// to that element; with 0 it opens on element 1 with the number field free,
// kept within 1..elementCount. OK closes it also when the entry was refused.
// It closes as accepted exactly when it stored the entry, by OK or by
// "Zastosuj", while it was open.
// Tw_elem
class ElementDialog : public NumberedEntryDialog {
    Q_OBJECT
public:
    ElementDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    QCheckBox* allowNodeChange() const { return allowNodeChange_; }
    QComboBox* startNodeList() const { return startNodes_; }
    QComboBox* endNodeList() const { return endNodes_; }
    QComboBox* conditionList() const { return conditions_; }
    QComboBox* boundaryList() const { return boundaries_; }
    QPushButton* applyButton() const { return apply_; }

    // Puts the number field back to `selectedNumber` (0 after an opening
    // with a free field, which shows as element 1), fills the lists again
    // and shows the element the field names.
    void reactivated() override;
    void done(int result) override;

signals:
    // "Zastosuj" stored the fields while the dialog stays open.
    void stored();

protected:
    void fill() override;
    bool names(int number) const override;
    void load(int number) override;
    std::optional<int> corrected(std::optional<int> typed) const override;

private:
    void fillLists();
    void selectFirst();
    void store();

    QCheckBox* allowNodeChange_;
    QComboBox* startNodes_;
    QComboBox* endNodes_;
    QComboBox* conditions_;
    QComboBox* boundaries_;
    QPushButton* apply_;
    bool storedWhileOpen_ = false;
};

} // namespace zorind
