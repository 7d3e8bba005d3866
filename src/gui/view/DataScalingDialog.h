#pragma once

#include "core/edit/ScaleData.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "gui/widgets/ParameterDialog.h"

class QCheckBox;

namespace zorind {

// "Skalowanie danych" ("Skaluj da&ne"): a factor for both axes, or one for
// each when "Jednakowy dla obu osi" is unticked, and the point that stays
// where it is. OK scales the nodes and internal points; a field that is no
// number is refused with "Złe dane" and nothing changes. The fields keep
// what was typed last.
// Tskaluj_dane
class DataScalingDialog : public ParameterDialog {
    Q_OBJECT
public:
    DataScalingDialog(Project& project, Interaction& ui, QWidget* parent = nullptr);

    // The scaling the fields describe, or nothing when a field does not
    // read as a number.
    std::optional<DataScaling> scaling() const;
    QCheckBox* uniformBox() const { return uniform_; }

private:
    void store() override;
    void followUniform();

    Project& project_;
    Interaction* ui_;
    QCheckBox* uniform_;
};

} // namespace zorind
