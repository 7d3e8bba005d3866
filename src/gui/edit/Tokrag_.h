#pragma once

#include <QDialog>
#include <optional>

#include "edit/BoundaryConstruction.h"
#include "session/Project.h"
#include "ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Parametry okręgu": centre, radius and number of elements of a circle
// added to the current boundary. The fields keep what was typed last
// between openings.
class Tokrag_ : public QDialog {
    Q_OBJECT
public:
    Tokrag_(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally. OK adds the circle when every field reads
    // as a number, the radius is positive and there are at least 3
    // elements; anything else closes the dialog silently. The main window
    // repaints whatever the outcome: returns true.
    bool edit();

    // The circle the fields describe, or nothing when a field does not
    // read as its number.
    std::optional<CircleSpec> circle() const;

    QLineEdit* xx() const { return centreX_; }
    QLineEdit* yy() const { return centreY_; }
    QLineEdit* rr() const { return radius_; }
    QLineEdit* nnn() const { return elementCount_; }

private:
    void okClicked();

    Project& project_;
    Interaction* ui_;
    QLineEdit* centreX_;
    QLineEdit* centreY_;
    QLineEdit* radius_;
    QLineEdit* elementCount_;
};

} // namespace zorind
