#pragma once

#include <QStringList>
#include <array>
#include <initializer_list>
#include <vector>

#include "core/edit/Conditions.h"
#include "gui/widgets/NumberedEntryDialog.h"

class QCheckBox;
class QGridLayout;
class QRadioButton;

namespace zorind {

// The frame both "Warunek brzegowy" dialogs share: the number, `jeden`
// ("WB stały na elemencie", which greys the middle and node-2 values and
// copies the first into them), the radio buttons of the kinds, one or two
// columns of values at node 1, the middle and node 2, and OK, "Anuluj" and
// "Zastosuj". What the kinds mean and how an entry is stored are each
// dialog's own. OK closes it as cancelled when the entry is refused.
class ConditionDialogFrame : public NumberedEntryDialog {
    Q_OBJECT
public:
    QCheckBox* oneValue() const { return oneValue_; }
    // Row i (node 1, middle, node 2) of `column`: w1, w2, w3 in column 0,
    // w1y, w2y, w3y in column 1.
    QLineEdit* valueField(int column, int i) const
    {
        return columns_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(i));
    }

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    struct Kind {
        const char* objectName;
        const char* caption; // nullptr: set by the dialog when it fills
    };

    // The rows 0 to 2 of the grid (number, `jeden`, kinds), then the value
    // rows: one column without headings, or under `columnHeadings` one column
    // each. `finish` lays out the rest once the dialog has added its rows.
    ConditionDialogFrame(Project& project, Interaction& ui, QWidget* parent, const char* objectName,
                         std::initializer_list<Kind> kinds, const QStringList& columnHeadings);
    // The buttons below the grid, and `jeden` in force.
    void finish();

    QRadioButton* kindRadio(int i) const { return kinds_.at(static_cast<std::size_t>(i)); }
    QGridLayout* grid() const { return grid_; }

    bool names(int number) const override;
    // Every value "0".
    void clearValues();
    // Each column's three values; `jeden` is ticked exactly when every column
    // holds one value three times.
    void showValues(const std::vector<std::array<float, 3>>& values);
    // Column c's values into entry.values[3c..3c+2]; with `jeden` the first
    // value of the column three times.
    void readValues(ConditionEntry& entry) const;

    // OK and "Zastosuj": whether the entry was stored.
    virtual bool store() = 0;

private:
    void oneValueToggled(bool on);
    void copyFirstValues();
    void okClicked();

    QCheckBox* oneValue_;
    std::vector<QRadioButton*> kinds_;
    std::vector<std::array<QLineEdit*, 3>> columns_;
    QGridLayout* grid_;
};

} // namespace zorind
