#pragma once

#include "gui/widgets/NumberedEntryDialog.h"

namespace zorind {

// The common frame of the node and internal-point dialogs: a number field
// and the x and y of the entry it names, OK and Anuluj. The fields are
// filled when the dialog is shown and whenever it becomes active again; the
// rules of the number field and of OK are each dialog's own.
class CoordinateDialog : public NumberedEntryDialog {
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

    QLineEdit* xField() const { return x_; }
    QLineEdit* yField() const { return y_; }

protected:
    void showEvent(QShowEvent* event) override;

    virtual void okClicked() = 0;

    void showCoordinates(float x, float y);

    QLineEdit* x_;
    QLineEdit* y_;
};

} // namespace zorind
