#include "edit/Twb.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "edit/ConditionFields.h"
#include "edit/Conditions.h"
#include "edit/DialogSupport.h"
#include "view/NumberFields.h"

namespace zorind {

Twb::Twb(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)),
      jeden_(new QCheckBox(QString::fromUtf8("WB stały na elemencie"), this)), temp_(new QRadioButton(this)),
      strum_(new QRadioButton(this)), konw_(new QRadioButton(QStringLiteral("konwekcja"), this)),
      totoLabel_(new QLabel(QStringLiteral("Temp.otocz."), this)), toto_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Twb"));
    setWindowTitle(QString::fromUtf8(kConditionCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    jeden_->setObjectName(QStringLiteral("jeden"));
    jeden_->setChecked(true);
    temp_->setObjectName(QStringLiteral("temp"));
    strum_->setObjectName(QStringLiteral("strum"));
    konw_->setObjectName(QStringLiteral("konw"));
    toto_->setObjectName(QStringLiteral("toto"));

    auto* grid = new QGridLayout;
    addLabelledField(grid, 0, 0, QStringLiteral("Numer"), edit1_, this);
    grid->addWidget(jeden_, 1, 0, 1, 2);

    auto* kinds = new QGroupBox(this);
    kinds->setAccessibleName(QStringLiteral("Rodzaj warunku"));
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(temp_);
    kindLayout->addWidget(strum_);
    kindLayout->addWidget(konw_);
    grid->addWidget(kinds, 2, 0, 1, 2);

    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i] = new QLineEdit(this);
        values_[i]->setObjectName(QStringLiteral("w%1").arg(i + 1));
        addLabelledField(grid, static_cast<int>(i) + 3, 0, QString::fromUtf8(kConditionValueLabels[i]), values_[i],
                         this);
    }
    totoLabel_->setBuddy(toto_);
    grid->addWidget(totoLabel_, 6, 0);
    grid->addWidget(toto_, 6, 1);

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

    connect(edit1_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
    connect(jeden_, &QCheckBox::toggled, this, [this](bool on) { oneValueToggled(on); });
    connect(values_[0], &QLineEdit::textChanged, this, [this] { firstValueChanged(); });
    oneValueToggled(true);

    // Top to bottom, as the fields are laid out.
    QWidget* const order[] = {edit1_, jeden_, temp_, strum_, konw_, values_[0], values_[1], values_[2], toto_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Twb::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void Twb::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow()) {
        fill();
    }
    QDialog::changeEvent(event);
}

void Twb::fill()
{
    const RadioCaptions captions = potentialRadioCaptions(project_.analysisType);
    temp_->setText(QString::fromUtf8(captions.first));
    strum_->setText(QString::fromUtf8(captions.second));
    const bool heat = convectionAllowed(project_.analysisType);
    konw_->setEnabled(heat);
    toto_->setEnabled(heat);
    totoLabel_->setEnabled(heat);
    toto_->setText(floatFieldText(project_.ambientTemperature));

    filling_ = true;
    edit1_->setText(QString::number(project_.selectedNumber));
    filling_ = false;
    for (QLineEdit* field : values_) {
        field->setText(QStringLiteral("0"));
    }
    temp_->setChecked(true);
    if (project_.conditions.contains(project_.selectedNumber)) {
        load(project_.selectedNumber);
    }
}

void Twb::load(int condition)
{
    const BoundaryCondition& c = project_.conditions[condition];
    if (c.kind == 2.0f) {
        strum_->setChecked(true);
    } else if (c.kind == 3.0f) {
        konw_->setChecked(true);
    } else if (c.kind == 1.0f) {
        temp_->setChecked(true);
    }
    const std::array<float, 3> v{c.atNode1, c.atMiddle, c.atNode2};
    const bool constant = v[0] == v[1] && v[1] == v[2];
    {
        const QSignalBlocker quiet(jeden_);
        jeden_->setChecked(constant);
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        values_[i]->setText(floatFieldText(v[i]));
        values_[i]->setEnabled(i == 0 || !constant);
    }
    toto_->setText(floatFieldText(project_.ambientTemperature));
}

void Twb::numberChanged()
{
    if (filling_) {
        return;
    }
    // Adding: the new condition's number stays.
    if (restoreLockedNumber(edit1_, project_.selectedNumber)) {
        return;
    }
    const std::optional<int> n = parseNumberText(edit1_->text());
    if (n && project_.conditions.contains(*n)) {
        load(*n);
    }
}

void Twb::oneValueToggled(bool on)
{
    if (on) {
        values_[1]->setText(values_[0]->text());
        values_[2]->setText(values_[0]->text());
    }
    values_[1]->setEnabled(!on);
    values_[2]->setEnabled(!on);
}

void Twb::firstValueChanged()
{
    if (jeden_->isChecked()) {
        values_[1]->setText(values_[0]->text());
        values_[2]->setText(values_[0]->text());
    }
}

bool Twb::store()
{
    ConditionEntry entry;
    entry.number = parseNumberText(edit1_->text());
    const bool one = jeden_->isChecked();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        entry.values[i] = storedValue(parseNumberField(values_[one ? 0 : i]->text()));
    }
    entry.kind = temp_->isChecked() ? 1 : strum_->isChecked() ? 2 : 3;
    if (entry.kind == 3) {
        entry.ambient = storedValue(parseNumberField(toto_->text()));
    }
    return storePotentialCondition(project_, *ui_, entry);
}

void Twb::okClicked()
{
    if (store()) {
        accept();
    } else {
        reject();
    }
}

bool Twb::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
