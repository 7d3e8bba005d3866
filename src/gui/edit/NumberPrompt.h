#pragma once

#include <QDialog>

#include "core/session/Project.h"

class QLabel;
class QLineEdit;

namespace zorind {

// "Podaj numer": the number prompt of the delete and grid commands. The
// prompt kind comes in `selectedNumber` (1 node, 2 element, 3 internal
// point, 8 points per axis) and the number typed goes back there on OK (-1
// when the text is not a whole number); the caller checks the number.
// Tuwez
class NumberPrompt : public QDialog {
    Q_OBJECT
public:
    NumberPrompt(Project& project, QWidget* parent = nullptr);

    // Shows the prompt modally; true when it closed with OK.
    bool ask();

    QLabel* label() const { return label_; }
    QLineEdit* field() const { return number_; }

    // The label for a prompt kind; empty for a kind no command uses.
    static QString promptLabel(int kind);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    Project& project_;
    QLabel* label_;
    QLineEdit* number_;
};

} // namespace zorind
