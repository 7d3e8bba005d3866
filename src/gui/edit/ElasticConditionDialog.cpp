#include "gui/edit/ElasticConditionDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace zorind {

namespace {

// The radios in the order of the dialog, with the kinds they choose.
constexpr std::array<int, 5> kKinds{TractionKind, DisplacementKind, PressureKind, HeldXKind, HeldYKind};

} // namespace

ElasticConditionDialog::ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent)
    : ConditionDialogFrame(project, ui, parent, "Twb_wek",
                           {{"temp", elasticityKindName(TractionKind)},
                            {"strum", elasticityKindName(DisplacementKind)},
                            {"cisn", elasticityKindName(PressureKind)},
                            {"symx", elasticityKindName(HeldXKind)},
                            {"symy", elasticityKindName(HeldYKind)}},
                           {QStringLiteral("W kierunku X"), QStringLiteral("W kierunku Y")})
{
    finish();
    // After the frame's own handler of `jeden`, which enables the second
    // column's lower rows again.
    connect(oneValue(), &QCheckBox::toggled, this, [this] { showKindFields(); });
    connect(pressureRadio(), &QRadioButton::toggled, this, [this] { showKindFields(); });
    showKindFields();
}

void ElasticConditionDialog::fill()
{
    clearValues();
    loadRadio()->setChecked(true);
    showSelectedEntry();
    showKindFields();
}

void ElasticConditionDialog::load(int number)
{
    const BoundaryCondition& c = project_.conditions[number];
    const int kind = elasticityKind(c.kind);
    // A kind elasticity does not know shows as a load, the dialog's default.
    int radio = 0;
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (kKinds[i] == kind) {
            radio = static_cast<int>(i);
        }
    }
    kindRadio(radio)->setChecked(true);
    showValues({{c.atNode1, c.atMiddle, c.atNode2}, {c.atNode1Y, c.atMiddleY, c.atNode2Y}});
    showKindFields();
}

bool ElasticConditionDialog::store()
{
    ConditionEntry entry;
    entry.number = typedNumber();
    readValues(entry);
    entry.kind = chosenKind();
    return storeElasticityCondition(project_, *ui_, entry);
}

int ElasticConditionDialog::chosenKind() const
{
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (kindRadio(static_cast<int>(i))->isChecked()) {
            return kKinds[i];
        }
    }
    return TractionKind;
}

void ElasticConditionDialog::showKindFields()
{
    const bool pressure = pressureRadio()->isChecked();
    columnHeading(0)->setText(pressure ? QStringLiteral("Ciśnienie") : QStringLiteral("W kierunku X"));
    for (int i = 0; i < 3; ++i) {
        valueField(1, i)->setEnabled(!pressure && (i == 0 || !oneValue()->isChecked()));
    }
}

} // namespace zorind
