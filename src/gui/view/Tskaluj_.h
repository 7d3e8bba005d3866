#pragma once

#include <optional>

#include "solver/ResultLists.h"
#include "view/RadioChoiceDialog.h"

namespace zorind {

// "Skalowanie": which stored results to multiply or divide by a coordinate.
// Created once per run; it keeps its last selection ("brak skalowania" at
// start).
class Tskaluj_ : public RadioChoiceDialog {
    Q_OBJECT
public:
    explicit Tskaluj_(QWidget* parent = nullptr);

    // The checked option on OK, nothing on "Anuluj".
    std::optional<ScalingOption> choose();
    ScalingOption checkedOption() const;
    QRadioButton* button(ScalingOption option) const;
};

} // namespace zorind
