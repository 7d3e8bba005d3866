#include "gui/edit/ConditionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/edit/Conditions.h"
#include "core/model/NumberFormat.h"
#include "gui/edit/ConditionFields.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

ConditionDialog::ConditionDialog(Project& project, Interaction& ui, QWidget* parent)
    : NumberedEntryDialog(project, ui, parent, Refill::OnEveryActivation),
      oneValue_(new QCheckBox(QString::fromUtf8("WB stały na elemencie"), this)), potential_(new QRadioButton(this)),
      flux_(new QRadioButton(this)), convection_(new QRadioButton(QStringLiteral("konwekcja"), this)),
      ambientLabel_(new QLabel(QStringLiteral("Temp.otocz."), this)), ambient_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Twb"));
    setWindowTitle(QString::fromUtf8(kConditionCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    oneValue_->setObjectName(QStringLiteral("jeden"));
    oneValue_->setChecked(true);
    potential_->setObjectName(QStringLiteral("temp"));
    flux_->setObjectName(QStringLiteral("strum"));
    convection_->setObjectName(QStringLiteral("konw"));
    ambient_->setObjectName(QStringLiteral("toto"));

    auto* grid = new QGridLayout;
    addLabelledField(grid, 0, 0, QStringLiteral("Numer"), number_, this);
    grid->addWidget(oneValue_, 1, 0, 1, 2);

    auto* kinds = new QGroupBox(this);
    kinds->setAccessibleName(QStringLiteral("Rodzaj warunku"));
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(potential_);
    kindLayout->addWidget(flux_);
    kindLayout->addWidget(convection_);
    grid->addWidget(kinds, 2, 0, 1, 2);

    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i] = new QLineEdit(this);
        values_[i]->setObjectName(QStringLiteral("w%1").arg(i + 1));
        addLabelledField(grid, static_cast<int>(i) + 3, 0, QString::fromUtf8(kConditionValueLabels[i]), values_[i],
                         this);
    }
    ambientLabel_->setBuddy(ambient_);
    grid->addWidget(ambientLabel_, 6, 0);
    grid->addWidget(ambient_, 6, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    QPushButton* apply = buttons->addButton(QStringLiteral("Zastosuj"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("Button3"));
    connect(apply, &QPushButton::clicked, this, [this] {
        store();
        emit stored();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(oneValue_, &QCheckBox::toggled, this, [this](bool on) { oneValueToggled(on); });
    connect(values_[0], &QLineEdit::textChanged, this, [this] { firstValueChanged(); });
    oneValueToggled(true);

    // Top to bottom, as the fields are laid out.
    QWidget* const order[] = {number_,    oneValue_,  potential_, flux_,   convection_,
                              values_[0], values_[1], values_[2], ambient_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void ConditionDialog::fill()
{
    const RadioCaptions captions = potentialRadioCaptions(project_.analysisType);
    potential_->setText(QString::fromUtf8(captions.first));
    flux_->setText(QString::fromUtf8(captions.second));
    const bool heat = convectionAllowed(project_.analysisType);
    convection_->setEnabled(heat);
    ambient_->setEnabled(heat);
    ambientLabel_->setEnabled(heat);
    ambient_->setText(floatFieldText(project_.ambientTemperature));

    for (QLineEdit* field : values_) {
        field->setText(QStringLiteral("0"));
    }
    potential_->setChecked(true);
    showSelectedEntry();
}

bool ConditionDialog::names(int number) const
{
    return project_.conditions.contains(number);
}

void ConditionDialog::load(int number)
{
    const BoundaryCondition& c = project_.conditions[number];
    if (c.kind == 2.0f) {
        flux_->setChecked(true);
    } else if (c.kind == 3.0f) {
        convection_->setChecked(true);
    } else if (c.kind == 1.0f) {
        potential_->setChecked(true);
    }
    const std::array<float, 3> v{c.atNode1, c.atMiddle, c.atNode2};
    const bool constant = v[0] == v[1] && v[1] == v[2];
    {
        const QSignalBlocker quiet(oneValue_);
        oneValue_->setChecked(constant);
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        values_[i]->setText(floatFieldText(v[i]));
        values_[i]->setEnabled(i == 0 || !constant);
    }
    ambient_->setText(floatFieldText(project_.ambientTemperature));
}

void ConditionDialog::oneValueToggled(bool on)
{
    if (on) {
        values_[1]->setText(values_[0]->text());
        values_[2]->setText(values_[0]->text());
    }
    values_[1]->setEnabled(!on);
    values_[2]->setEnabled(!on);
}

void ConditionDialog::firstValueChanged()
{
    if (oneValue_->isChecked()) {
        values_[1]->setText(values_[0]->text());
        values_[2]->setText(values_[0]->text());
    }
}

bool ConditionDialog::store()
{
    ConditionEntry entry;
    entry.number = typedNumber();
    const bool one = oneValue_->isChecked();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        entry.values[i] = typedFloat(parseNumberField(values_[one ? 0 : i]->text()));
    }
    entry.kind = potential_->isChecked() ? 1 : flux_->isChecked() ? 2 : 3;
    if (entry.kind == 3) {
        entry.ambient = typedFloat(parseNumberField(ambient_->text()));
    }
    return storePotentialCondition(project_, *ui_, entry);
}

void ConditionDialog::okClicked()
{
    if (store()) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
