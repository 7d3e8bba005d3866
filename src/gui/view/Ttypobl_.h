#pragma once

#include <QDialog>
#include <optional>

class QRadioButton;

namespace zorind {

// "Typ obliczeń": the analysis type. Created once per run; it keeps its own
// last selection and is not set from the project's type.
class Ttypobl_ : public QDialog {
    Q_OBJECT
public:
    explicit Ttypobl_(QWidget* parent = nullptr);

    // Shows the dialog modally; the code of the checked button on OK,
    // nothing on "Anuluj" (which also restores the previous selection).
    std::optional<int> choose();

    int checkedCode() const;
    QRadioButton* button(int code) const;

private:
    struct Choice {
        int code;
        QRadioButton* button;
    };
    Choice choices_[7];
};

} // namespace zorind
