#pragma once

#include <optional>

#include "core/solver/ResultLists.h"
#include "gui/view/RadioChoiceDialog.h"

namespace zorind {

// "Skalowanie": which stored results to multiply or divide by a coordinate.
// Created once per run; it keeps its last selection ("brak skalowania" at
// start).
// Tskaluj_
class ResultScalingDialog : public RadioChoiceDialog {
    Q_OBJECT
public:
    explicit ResultScalingDialog(QWidget* parent = nullptr);

    // The checked option on OK, nothing on "Anuluj".
    std::optional<ScalingOption> choose();
    ScalingOption checkedOption() const;
    QRadioButton* button(ScalingOption option) const;
};

} // namespace zorind
