#pragma once

#include <QDialog>

#include "edit/DialogSupport.h"
#include "session/Project.h"
#include "ui/Interaction.h"

class QLineEdit;

namespace zorind {

// The common frame of the node and internal-point dialogs: a number field
// and the x and y of the entry it names, OK and Anuluj. The fields are
// filled when the dialog is shown and whenever it becomes active again; the
// rules of the number field and of OK are each dialog's own.
class CoordinateDialog : public QDialog {
    Q_OBJECT
public:
    struct Captions {
        const char* objectName;
        const char* title;
        const char* number;
        const char* x;
        const char* y;
    };

    CoordinateDialog(Project& project, Interaction& ui, QWidget* parent, const Captions& captions);

    // Shows the dialog modally; true when it closed with OK.
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QLineEdit* xField() const { return xx_; }
    QLineEdit* yField() const { return yy_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Runs when the dialog is shown and whenever it becomes active.
    virtual void fill() = 0;
    // Runs on every change of the number field's text (not on the
    // corrections it makes itself).
    virtual void numberChanged() = 0;
    virtual void okClicked() = 0;

    // The number as typed, nothing when it is not an integer.
    std::optional<int> typedNumber() const;
    void showCoordinates(float x, float y);

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QLineEdit* xx_;
    QLineEdit* yy_;

private:
    bool inNumberChange_ = false;
    Reactivation reactivation_;
};

} // namespace zorind
