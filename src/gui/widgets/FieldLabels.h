#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace zorind {

// The label of a dialog field, set as its buddy so that its access key
// reaches the field and accessibility tools find the field by its label
// (on Linux through the labelled-by relation, which names a drop-down list
// too; elsewhere through the accessible name set here).
inline QLabel* labelFor(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    return label;
}

// A non-zero `selectedNumber` locks a dialog's number field to the entry a
// command opened it on: any edit is put back at once. True when it did so.
inline bool restoreLockedNumber(QLineEdit* field, int selectedNumber)
{
    if (selectedNumber == 0) {
        return false;
    }
    const QSignalBlocker quiet(field);
    field->setText(QString::number(selectedNumber));
    return true;
}

// Tells the activation that goes with a dialog's showing (which the window
// system may deliver late, after the user has begun typing) from the dialog
// becoming active again later, after a message box or the user's visit to
// another window. Only the latter refills a dialog's fields.
class Reactivation {
public:
    void shown() { awaitingFirst_ = true; }

    // For every activation change: true when the dialog has just become
    // active again.
    bool changed(bool active)
    {
        const bool first = awaitingFirst_;
        awaitingFirst_ = false;
        return active && !first;
    }

private:
    bool awaitingFirst_ = false;
};

} // namespace zorind
