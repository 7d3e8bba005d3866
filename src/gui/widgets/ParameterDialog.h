#pragma once

#include <QDialog>
#include <initializer_list>
#include <vector>

class QFormLayout;
class QLineEdit;

namespace zorind {

// One field of a parameter dialog: its object name, label and first text.
struct ParameterField {
    const char* name;
    const char* caption;
    const char* initial;
};

// The frame of the dialogs that take a few numbers and act on OK (circle,
// arc, data scaling): a fixed-size modal dialog, a framed form of labelled
// fields under an optional heading, "OK" and "Anuluj". The fields keep what
// was typed last between openings.
class ParameterDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally; "OK" stores what the fields say (a dialog
    // refuses what it cannot take in its own way) and closes it. Returns
    // true: the main window repaints whatever the outcome.
    bool edit()
    {
        exec();
        return true;
    }

    // Field i of the list the dialog was built with.
    QLineEdit* field(std::size_t i) const { return fields_.at(i); }

protected:
    ParameterDialog(const char* objectName, const char* title, const char* heading,
                    std::initializer_list<ParameterField> fields, QWidget* parent);
    // The form, for rows a dialog adds of its own.
    QFormLayout* form() const { return form_; }
    // Runs on "OK", which then closes the dialog whatever it did.
    virtual void store() = 0;

private:
    std::vector<QLineEdit*> fields_;
    QFormLayout* form_ = nullptr;
};

} // namespace zorind
