#pragma once

#include <QDialog>
#include <array>

#include "session/Project.h"
#include "ui/Interaction.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zorind {

// "Warunek brzegowy" of plane elasticity: a continuous load or a
// displacement, with x and y components at node 1, the middle and node 2 of
// condition `selectedNumber` (0: the user types the number).
class Twb_wek : public QDialog {
    Q_OBJECT
public:
    Twb_wek(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with OK after storing.
    bool edit();

    QLineEdit* numberField() const { return edit1_; }
    QCheckBox* oneValue() const { return jeden_; }
    QRadioButton* loadRadio() const { return temp_; }
    QRadioButton* displacementRadio() const { return strum_; }
    // w1, w2, w3 (column 0, "W kierunku X") and w1y, w2y, w3y (column 1).
    QLineEdit* valueField(int column, int i) const { return (column == 0 ? xs_ : ys_).at(static_cast<std::size_t>(i)); }

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    void showEvent(QShowEvent* event) override;
    // Filled again each time it becomes the active window.
    void changeEvent(QEvent* event) override;

private:
    void fill();
    void load(int condition);
    void numberChanged();
    void oneValueToggled(bool on);
    void copyFirstValues();
    bool store();
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLineEdit* edit1_;
    QCheckBox* jeden_;
    QRadioButton* temp_;
    QRadioButton* strum_;
    std::array<QLineEdit*, 3> xs_{};
    std::array<QLineEdit*, 3> ys_{};
    bool filling_ = false;
};

} // namespace zorind
