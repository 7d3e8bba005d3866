#include "edit/Tobrzeg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "edit/Boundaries.h"
#include "edit/ConditionFields.h"
#include "edit/DialogSupport.h"

namespace zorind {

Tobrzeg::Tobrzeg(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)),
      temp_(new QRadioButton(QString::fromUtf8("zewnętrzny "), this)),
      strum_(new QRadioButton(QString::fromUtf8("wewnętrzny"), this))
{
    setObjectName(QStringLiteral("Tobrzeg"));
    setWindowTitle(QString::fromUtf8(kBoundaryCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    temp_->setObjectName(QStringLiteral("temp"));
    strum_->setObjectName(QStringLiteral("strum"));

    auto* grid = new QGridLayout;
    addLabelledField(grid, 0, 0, QStringLiteral("Numer brzegu"), edit1_, this);
    auto* kinds = new QGroupBox(this);
    kinds->setAccessibleName(QStringLiteral("Typ brzegu"));
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(temp_);
    kindLayout->addWidget(strum_);
    grid->addWidget(kinds, 1, 0, 1, 2);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edit1_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
}

void Tobrzeg::showEvent(QShowEvent* event)
{
    filling_ = true;
    edit1_->setText(QString::number(project_.selectedNumber));
    filling_ = false;
    temp_->setChecked(true);
    if (project_.boundaries.contains(project_.selectedNumber)) {
        showKindOf(project_.selectedNumber);
    }
    QDialog::showEvent(event);
}

void Tobrzeg::showKindOf(int boundary)
{
    // A boundary whose kind was never set (one just added) shows as outer.
    const int kind = project_.boundaries[boundary].kind;
    if (kind == InnerBoundary) {
        strum_->setChecked(true);
    } else if (kind == OuterBoundary) {
        temp_->setChecked(true);
    }
}

void Tobrzeg::numberChanged()
{
    if (filling_) {
        return;
    }
    if (restoreLockedNumber(edit1_, project_.selectedNumber)) {
        return;
    }
    const std::optional<int> n = parseNumberText(edit1_->text());
    if (n && project_.boundaries.contains(*n)) {
        showKindOf(*n);
    }
}

void Tobrzeg::okClicked()
{
    const int kind = temp_->isChecked() ? OuterBoundary : InnerBoundary;
    if (storeBoundaryKind(project_, *ui_, parseNumberText(edit1_->text()), kind)) {
        accept();
    } else {
        reject();
    }
}

bool Tobrzeg::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
