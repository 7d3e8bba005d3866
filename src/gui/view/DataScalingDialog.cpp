#include "gui/view/DataScalingDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

#include "core/ui/Messages.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

DataScalingDialog::DataScalingDialog(Project& project, Interaction& ui, QWidget* parent)
    : ParameterDialog("Tskaluj_dane", kScaleDataCaption, nullptr,
                      {{"wx", "Współczynnik x", "1"},
                       {"wy", "Współczynnik y", "1"},
                       {"sx", "Środek skalowania x", "0"},
                       {"sy", "Środek skalowania y", "0"}},
                      parent),
      project_(project), ui_(&ui)
{
    uniform_ = new QCheckBox(QStringLiteral("&Jednakowy dla obu osi"), field(0)->parentWidget());
    uniform_->setObjectName(QStringLiteral("rowny"));
    uniform_->setChecked(true);
    form()->insertRow(2, uniform_);
    connect(uniform_, &QCheckBox::toggled, this, [this] { followUniform(); });
    connect(field(0), &QLineEdit::textChanged, this, [this] { followUniform(); });
    followUniform();
}

void DataScalingDialog::followUniform()
{
    // One factor for both axes: the y field shows it and takes no typing.
    field(1)->setEnabled(!uniform_->isChecked());
    if (uniform_->isChecked()) {
        field(1)->setText(field(0)->text());
    }
}

std::optional<DataScaling> DataScalingDialog::scaling() const
{
    std::optional<double> values[4];
    for (std::size_t i = 0; i < 4; ++i) {
        values[i] = parseNumberField(field(i)->text());
        if (!values[i]) {
            return std::nullopt;
        }
    }
    return DataScaling{*values[0], *values[1], *values[2], *values[3]};
}

void DataScalingDialog::store()
{
    const std::optional<DataScaling> s = scaling();
    if (!s) {
        ui_->error(kBadDataMessage, kScaleDataCaption);
        return;
    }
    scaleData(project_, *ui_, *s);
}

} // namespace zorind
