#include "gui/edit/ConditionDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <iterator>

#include "core/edit/Conditions.h"
#include "core/model/NumberFormat.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

ConditionDialog::ConditionDialog(Project& project, Interaction& ui, QWidget* parent)
    : ConditionDialogFrame(project, ui, parent, "Twb", {{"temp", nullptr}, {"strum", nullptr}, {"konw", "konwekcja"}},
                           {}),
      ambientLabel_(new QLabel(QStringLiteral("Temp.otocz."), this)), ambient_(new QLineEdit(this))
{
    ambient_->setObjectName(QStringLiteral("toto"));
    ambientLabel_->setBuddy(ambient_);
    const int row = grid()->rowCount();
    grid()->addWidget(ambientLabel_, row, 0);
    grid()->addWidget(ambient_, row, 1);
    finish();

    // Top to bottom, as the fields are laid out.
    QWidget* const order[] = {number_,       oneValue(),    potentialRadio(), fluxRadio(), convectionRadio(),
                              valueField(0), valueField(1), valueField(2),    ambient_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void ConditionDialog::fill()
{
    const RadioCaptions captions = potentialRadioCaptions(project_.analysisType);
    potentialRadio()->setText(QString::fromUtf8(captions.first));
    fluxRadio()->setText(QString::fromUtf8(captions.second));
    const bool heat = convectionAllowed(project_.analysisType);
    convectionRadio()->setEnabled(heat);
    ambient_->setEnabled(heat);
    ambientLabel_->setEnabled(heat);
    ambient_->setText(floatFieldText(project_.ambientTemperature));

    clearValues();
    potentialRadio()->setChecked(true);
    showSelectedEntry();
}

void ConditionDialog::load(int number)
{
    const BoundaryCondition& c = project_.conditions[number];
    if (c.kind == 2.0f) {
        fluxRadio()->setChecked(true);
    } else if (c.kind == 3.0f) {
        convectionRadio()->setChecked(true);
    } else if (c.kind == 1.0f) {
        potentialRadio()->setChecked(true);
    }
    showValues({{c.atNode1, c.atMiddle, c.atNode2}});
    ambient_->setText(floatFieldText(project_.ambientTemperature));
}

bool ConditionDialog::store()
{
    ConditionEntry entry;
    entry.number = typedNumber();
    readValues(entry);
    entry.kind = potentialRadio()->isChecked() ? 1 : fluxRadio()->isChecked() ? 2 : 3;
    if (entry.kind == 3) {
        entry.ambient = typedFloat(parseNumberField(ambient_->text()));
    }
    return storePotentialCondition(project_, *ui_, entry);
}

} // namespace zorind
