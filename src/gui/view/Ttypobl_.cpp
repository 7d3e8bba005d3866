#include "view/Ttypobl_.h"

#include "solver/AnalysisSettings.h"

namespace zorind {

Ttypobl_::Ttypobl_(QWidget* parent)
    : RadioChoiceDialog(QStringLiteral("Ttypobl_"), QString::fromUtf8(kAnalysisTypeTitle), QString(), QSize(355, 186),
                        parent)
{
    for (const AnalysisTypeChoice& choice : kAnalysisTypeChoices) {
        addChoice(choice.buttonName, choice.caption);
    }
}

std::optional<int> Ttypobl_::choose()
{
    if (std::optional<int> index = chooseIndex()) {
        return kAnalysisTypeChoices[static_cast<std::size_t>(*index)].code;
    }
    return std::nullopt;
}

int Ttypobl_::checkedCode() const
{
    return kAnalysisTypeChoices[static_cast<std::size_t>(checkedIndex())].code;
}

QRadioButton* Ttypobl_::button(int code) const
{
    for (std::size_t i = 0; i < kAnalysisTypeChoices.size(); ++i) {
        if (kAnalysisTypeChoices[i].code == code) {
            return buttonAt(static_cast<int>(i));
        }
    }
    return buttonAt(0);
}

} // namespace zorind
