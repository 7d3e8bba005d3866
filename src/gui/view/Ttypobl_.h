#pragma once

#include <optional>

#include "view/RadioChoiceDialog.h"

namespace zorind {

// "Typ obliczeń": the analysis type. Created once per run; it keeps its own
// last selection and is not set from the project's type.
class Ttypobl_ : public RadioChoiceDialog {
    Q_OBJECT
public:
    explicit Ttypobl_(QWidget* parent = nullptr);

    // The code of the checked button on OK, nothing on "Anuluj".
    std::optional<int> choose();
    int checkedCode() const;
    QRadioButton* button(int code) const;
};

} // namespace zorind
