#pragma once

#include <optional>

#include "core/edit/BoundaryConstruction.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "gui/widgets/ParameterDialog.h"

namespace zorind {

// "Parametry okręgu": centre, radius and number of elements of a circle
// added to the current boundary. The fields keep what was typed last
// between openings.
// Tokrag_
class CircleDialog : public ParameterDialog {
    Q_OBJECT
public:
    CircleDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // The circle the fields describe, or nothing when a field does not
    // read as its number.
    std::optional<CircleSpec> circle() const;

    QLineEdit* centreXField() const { return field(0); }
    QLineEdit* centreYField() const { return field(1); }
    QLineEdit* radiusField() const { return field(2); }
    QLineEdit* elementCountField() const { return field(3); }

private:
    void store() override;

    Project& project_;
    Interaction* ui_;
};

} // namespace zorind
