#pragma once

#include <optional>

#include "core/edit/Arcs.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "gui/widgets/ParameterDialog.h"

namespace zorind {

// "Parametry łuku": centre, radius, start and end angle (degrees) and
// number of elements of an arc added to the current boundary, joined to
// the polyline being drawn when it starts at the polyline's last node. Like
// the circle's dialog it keeps what was typed last.
// Tluk_
class ArcDialog : public ParameterDialog {
    Q_OBJECT
public:
    ArcDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // The arc the fields describe, or nothing when a field does not read
    // as its number.
    std::optional<ArcSpec> arc() const;

private:
    void store() override;

    Project& project_;
    Interaction* ui_;
};

} // namespace zorind
