#include "gui/edit/ElasticConditionDialog.h"

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

ElasticConditionDialog::ElasticConditionDialog(Project& project, Interaction& ui, QWidget* parent)
    : NumberedEntryDialog(project, ui, parent, Refill::OnEveryActivation),
      oneValue_(new QCheckBox(QString::fromUtf8("WB stały na elemencie"), this)),
      continuousLoad_(new QRadioButton(QString::fromUtf8("obciążenie ciągłe"), this)),
      displacement_(new QRadioButton(QStringLiteral("przemieszczenie"), this))
{
    setObjectName(QStringLiteral("Twb_wek"));
    setWindowTitle(QString::fromUtf8(kConditionCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    oneValue_->setObjectName(QStringLiteral("jeden"));
    oneValue_->setChecked(true);
    continuousLoad_->setObjectName(QStringLiteral("temp"));
    displacement_->setObjectName(QStringLiteral("strum"));

    auto* grid = new QGridLayout;
    addLabelledField(grid, 0, 0, QStringLiteral("Numer"), number_, this);
    grid->addWidget(oneValue_, 1, 0, 1, 3);

    auto* kinds = new QGroupBox(this);
    kinds->setAccessibleName(QStringLiteral("Rodzaj warunku"));
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(continuousLoad_);
    kindLayout->addWidget(displacement_);
    grid->addWidget(kinds, 2, 0, 1, 3);

    const QString columnX = QStringLiteral("W kierunku X");
    const QString columnY = QStringLiteral("W kierunku Y");
    grid->addWidget(new QLabel(columnX, this), 3, 1);
    grid->addWidget(new QLabel(columnY, this), 3, 2);
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        const int row = static_cast<int>(i) + 4;
        const QString caption = QString::fromUtf8(kConditionValueLabels[i]);
        xs_[i] = new QLineEdit(this);
        xs_[i]->setObjectName(QStringLiteral("w%1").arg(i + 1));
        ys_[i] = new QLineEdit(this);
        ys_[i]->setObjectName(QStringLiteral("w%1y").arg(i + 1));
        // The row label is the x field's buddy; both fields carry the
        // column in their names so that a screen reader tells them apart.
        addLabelledField(grid, row, 0, caption, xs_[i], this);
        grid->addWidget(ys_[i], row, 2);
        xs_[i]->setAccessibleName(caption + QStringLiteral(" – ") + columnX);
        ys_[i]->setAccessibleName(caption + QStringLiteral(" – ") + columnY);
    }

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
    connect(xs_[0], &QLineEdit::textChanged, this, [this] { copyFirstValues(); });
    connect(ys_[0], &QLineEdit::textChanged, this, [this] { copyFirstValues(); });
    oneValueToggled(true);
}

void ElasticConditionDialog::fill()
{
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        xs_[i]->setText(QStringLiteral("0"));
        ys_[i]->setText(QStringLiteral("0"));
    }
    continuousLoad_->setChecked(true);
    showSelectedEntry();
}

bool ElasticConditionDialog::names(int number) const
{
    return project_.conditions.contains(number);
}

void ElasticConditionDialog::load(int number)
{
    const BoundaryCondition& c = project_.conditions[number];
    if (c.kind == 2.0f) {
        displacement_->setChecked(true);
    } else {
        continuousLoad_->setChecked(true);
    }
    const std::array<float, 3> x{c.atNode1, c.atMiddle, c.atNode2};
    const std::array<float, 3> y{c.atNode1Y, c.atMiddleY, c.atNode2Y};
    const bool constant = x[0] == x[1] && x[1] == x[2] && y[0] == y[1] && y[1] == y[2];
    {
        const QSignalBlocker quiet(oneValue_);
        oneValue_->setChecked(constant);
    }
    // Both first values before the others, since each copies into both
    // columns while `jeden` is ticked.
    xs_[0]->setText(floatFieldText(x[0]));
    ys_[0]->setText(floatFieldText(y[0]));
    for (std::size_t i = 1; i < xs_.size(); ++i) {
        xs_[i]->setText(floatFieldText(x[i]));
        ys_[i]->setText(floatFieldText(y[i]));
        xs_[i]->setEnabled(!constant);
        ys_[i]->setEnabled(!constant);
    }
}

void ElasticConditionDialog::oneValueToggled(bool on)
{
    if (on) {
        copyFirstValues();
    }
    for (std::size_t i = 1; i < xs_.size(); ++i) {
        xs_[i]->setEnabled(!on);
        ys_[i]->setEnabled(!on);
    }
}

void ElasticConditionDialog::copyFirstValues()
{
    if (!oneValue_->isChecked()) {
        return;
    }
    for (std::size_t i = 1; i < xs_.size(); ++i) {
        xs_[i]->setText(xs_[0]->text());
        ys_[i]->setText(ys_[0]->text());
    }
}

bool ElasticConditionDialog::store()
{
    ConditionEntry entry;
    entry.number = typedNumber();
    const bool one = oneValue_->isChecked();
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        entry.values[i] = typedFloat(parseNumberField(xs_[one ? 0 : i]->text()));
        entry.values[i + 3] = typedFloat(parseNumberField(ys_[one ? 0 : i]->text()));
    }
    entry.kind = displacement_->isChecked() ? 2 : 1;
    return storeElasticityCondition(project_, *ui_, entry);
}

void ElasticConditionDialog::okClicked()
{
    if (store()) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
