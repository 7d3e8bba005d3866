#pragma once

#include <QDialog>
#include <optional>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLineEdit;

namespace zorind {

// The frame of the dialogs that show one numbered entry of a table (a node,
// an element, a condition, a boundary): the number field `Edit1` and what
// follows from it. The command that opens the dialog puts its word on the
// number into `selectedNumber`: a non-zero one locks the field to that
// entry (any edit is put back at once); with 0 the field is the user's, and
// a typed number that names an entry loads that entry into the fields; a
// locked field is passed over when the focus goes to the first field. The
// other fields, the layout and OK are each dialog's own.
class NumberedEntryDialog : public QDialog {
    Q_OBJECT
public:
    // When the fields are filled again while the dialog stays open; they
    // are always filled when it is shown.
    enum class Refill {
        Never,
        // When the dialog becomes active again after a message box or the
        // user's visit to another window; not on the activation that goes
        // with the showing, which the window system may deliver late, after
        // the user has begun typing.
        OnReactivation,
        // On every activation, the one that goes with the showing included.
        OnEveryActivation,
    };

    NumberedEntryDialog(Project& project, Interaction& ui, QWidget* parent, Refill refill);

    // Shows the dialog modally; true when it closed with OK.
    bool edit();

    QLineEdit* numberField() const { return number_; }

    // The dialog became the active window again while open: fills the
    // fields again (fill() unless the dialog says otherwise).
    virtual void reactivated() { fill(); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Fills the fields from the Project. By default puts `selectedNumber`
    // into the number field and loads the entry it names.
    virtual void fill() { showSelectedEntry(); }
    // Whether `number` names an entry of the dialog's table.
    virtual bool names(int number) const = 0;
    // Shows entry `number`, which exists, in the fields.
    virtual void load(int number) = 0;
    // What a free number field puts in place of what was typed (`typed`
    // is nothing when the text is no whole number); nothing leaves the text
    // as typed.
    virtual std::optional<int> corrected(std::optional<int> /*typed*/) const { return std::nullopt; }

    // Puts `selectedNumber` into the number field (a free field corrects it
    // as it does a typed number) and loads the entry it names.
    void showSelectedEntry();
    // The number as typed; nothing when it is not a whole number.
    std::optional<int> typedNumber() const;

    Project& project_;
    Interaction* ui_;
    QLineEdit* number_;

private:
    void numberChanged();

    Refill refill_;
    bool correcting_ = false;
    bool awaitingFirstActivation_ = false;
};

} // namespace zorind
