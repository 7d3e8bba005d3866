#include "gui/edit/ElasticConditionDialog.h"

#include <QRadioButton>

namespace zorind {

ElasticConditionDialog::ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent)
    : ConditionDialogFrame(project, ui, parent, "Twb_wek",
                           {{"temp", "obciążenie ciągłe"}, {"strum", "przemieszczenie"}},
                           {QStringLiteral("W kierunku X"), QStringLiteral("W kierunku Y")})
{
    finish();
}

void ElasticConditionDialog::fill()
{
    clearValues();
    loadRadio()->setChecked(true);
    showSelectedEntry();
}

void ElasticConditionDialog::load(int number)
{
    const BoundaryCondition& c = project_.conditions[number];
    if (c.kind == 2.0f) {
        displacementRadio()->setChecked(true);
    } else {
        loadRadio()->setChecked(true);
    }
    showValues({{c.atNode1, c.atMiddle, c.atNode2}, {c.atNode1Y, c.atMiddleY, c.atNode2Y}});
}

bool ElasticConditionDialog::store()
{
    ConditionEntry entry;
    entry.number = typedNumber();
    readValues(entry);
    entry.kind = displacementRadio()->isChecked() ? 2 : 1;
    return storeElasticityCondition(project_, *ui_, entry);
}

} // namespace zorind
