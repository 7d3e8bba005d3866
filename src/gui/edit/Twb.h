#pragma once

#include <QDialog>
#include <array>

#include "session/Project.h"
#include "ui/Interaction.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zorind {

// "Warunek brzegowy" of the potential analyses: the kind (potential, flux
// or, for heat flow, convection) and the values at node 1, the middle and
// node 2 of condition `selectedNumber` (0: the user types the number).
class Twb : public QDialog {
    Q_OBJECT
public:
    Twb(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK after storing.
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QCheckBox* oneValue() const { return jeden_; }
    QRadioButton* potentialRadio() const { return temp_; }
    QRadioButton* fluxRadio() const { return strum_; }
    QRadioButton* convectionRadio() const { return konw_; }
    // w1, w2, w3.
    QLineEdit* valueField(int i) const { return values_.at(static_cast<std::size_t>(i)); }
    QLineEdit* ambientField() const { return toto_; }
    QLabel* ambientLabel() const { return totoLabel_; }

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    void showEvent(QShowEvent* event) override;
    // Filled again each time it becomes the active window, e.g. after one of
    // its own message boxes closes.
    void changeEvent(QEvent* event) override;

private:
    void fill();
    void load(int condition);
    void numberChanged();
    void oneValueToggled(bool on);
    void firstValueChanged();
    bool store();
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QCheckBox* jeden_;
    QRadioButton* temp_;
    QRadioButton* strum_;
    QRadioButton* konw_;
    std::array<QLineEdit*, 3> values_{};
    QLabel* totoLabel_;
    QLineEdit* toto_;
    bool filling_ = false;
};

} // namespace zorind
