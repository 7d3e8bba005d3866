#include "gui/view/ResultScalingDialog.h"

#include <QRadioButton>

namespace zorind {

namespace {
int indexOf(ScalingOption option)
{
    for (std::size_t i = 0; i < kScalingChoices.size(); ++i) {
        if (kScalingChoices[i].option == option) {
            return static_cast<int>(i);
        }
    }
    return 0;
}
} // namespace

ResultScalingDialog::ResultScalingDialog(QWidget* parent)
    : RadioChoiceDialog(QStringLiteral("Tskaluj_"), QString::fromUtf8(kScalingTitle),
                        QString::fromUtf8(kScalingFrameLabel), QSize(282, 177), parent)
{
    for (const ScalingChoice& choice : kScalingChoices) {
        addChoice(choice.buttonName, choice.caption, choice.column);
    }
    button(kDefaultScalingOption)->setChecked(true);
}

std::optional<ScalingOption> ResultScalingDialog::choose()
{
    if (std::optional<int> index = chooseIndex()) {
        return kScalingChoices[static_cast<std::size_t>(*index)].option;
    }
    return std::nullopt;
}

ScalingOption ResultScalingDialog::checkedOption() const
{
    // One button is always checked here: nothing unchecks them all.
    return kScalingChoices.at(static_cast<std::size_t>(checkedIndex())).option;
}

QRadioButton* ResultScalingDialog::button(ScalingOption option) const
{
    return buttonAt(indexOf(option));
}

} // namespace zorind
