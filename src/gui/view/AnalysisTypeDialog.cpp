#include "gui/view/AnalysisTypeDialog.h"

#include "core/solver/AnalysisSettings.h"

namespace zorind {

namespace {

// The button of `code` in the dialog's order; -1 for a code that is no
// analysis type.
int indexOf(int code)
{
    for (std::size_t i = 0; i < kAnalysisTypeChoices.size(); ++i) {
        if (kAnalysisTypeChoices[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

AnalysisTypeDialog::AnalysisTypeDialog(const Project& project, QWidget* parent)
    : RadioChoiceDialog(QStringLiteral("Ttypobl_"), QString::fromUtf8(kAnalysisTypeTitle), QString(), QSize(355, 186),
                        parent),
      project_(project)
{
    for (const AnalysisTypeChoice& choice : kAnalysisTypeChoices) {
        addChoice(choice.buttonName, choice.caption);
    }
}

std::optional<int> AnalysisTypeDialog::choose()
{
    checkIndex(indexOf(project_.analysisType));
    if (std::optional<int> index = chooseIndex()) {
        return kAnalysisTypeChoices[static_cast<std::size_t>(*index)].code;
    }
    return std::nullopt;
}

std::optional<int> AnalysisTypeDialog::checkedCode() const
{
    const int index = checkedIndex();
    if (index < 0) {
        return std::nullopt;
    }
    return kAnalysisTypeChoices[static_cast<std::size_t>(index)].code;
}

QRadioButton* AnalysisTypeDialog::button(int code) const
{
    const int index = indexOf(code);
    return buttonAt(index >= 0 ? index : 0);
}

} // namespace zorind
