#pragma once

#include <QDialog>
#include <optional>

#include "core/edit/BoundaryConstruction.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QLineEdit;

namespace zorind {

// "Parametry okręgu": centre, radius and number of elements of a circle
// added to the current boundary. The fields keep what was typed last
// between openings.
// Tokrag_
class CircleDialog : public QDialog {
    Q_OBJECT
public:
    CircleDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // Shows the dialog modally. OK adds the circle when every field reads
    // as a number, the radius is positive and there are at least 3
    // elements; anything else closes the dialog silently. The main window
    // repaints whatever the outcome: returns true.
    bool edit();

    // The circle the fields describe, or nothing when a field does not
    // read as its number.
    std::optional<CircleSpec> circle() const;

    QLineEdit* centreXField() const { return centreX_; }
    QLineEdit* centreYField() const { return centreY_; }
    QLineEdit* radiusField() const { return radius_; }
    QLineEdit* elementCountField() const { return elementCount_; }

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
