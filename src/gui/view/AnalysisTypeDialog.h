#pragma once

#include <optional>

#include "core/session/Project.h"
#include "gui/view/RadioChoiceDialog.h"

namespace zorind {

// "Typ obliczeń": the analysis type. Each opening checks the project's own
// type (none for a code that is no analysis type), so OK without a change
// keeps the type as it is.
// Ttypobl_
class AnalysisTypeDialog : public RadioChoiceDialog {
    Q_OBJECT
public:
    explicit AnalysisTypeDialog(const Project& project, QWidget* parent = nullptr);

    // The code of the checked button on OK, nothing on "Anuluj" or when no
    // button is checked.
    std::optional<int> choose();
    // The code of the checked button; nothing when none is.
    std::optional<int> checkedCode() const;
    QRadioButton* button(int code) const;

private:
    const Project& project_;
};

} // namespace zorind
