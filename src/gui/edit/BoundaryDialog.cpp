#include "gui/edit/BoundaryDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/edit/Boundaries.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FieldLabels.h"

namespace zorind {

BoundaryDialog::BoundaryDialog(Project& project, Interaction& ui, QWidget* parent)
    : NumberedEntryDialog(project, ui, parent, Refill::Never),
      outer_(new QRadioButton(QString::fromUtf8("zewnętrzny "), this)),
      inner_(new QRadioButton(QString::fromUtf8("wewnętrzny"), this))
{
    setObjectName(QStringLiteral("Tobrzeg"));
    setWindowTitle(QString::fromUtf8(kBoundaryCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    outer_->setObjectName(QStringLiteral("temp"));
    inner_->setObjectName(QStringLiteral("strum"));

    auto* grid = new QGridLayout;
    addLabelledField(grid, 0, 0, QStringLiteral("Numer brzegu"), number_, this);
    auto* kinds = new QGroupBox(this);
    kinds->setAccessibleName(QStringLiteral("Typ brzegu"));
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(outer_);
    kindLayout->addWidget(inner_);
    grid->addWidget(kinds, 1, 0, 1, 2);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BoundaryDialog::fill()
{
    outer_->setChecked(true);
    showSelectedEntry();
}

bool BoundaryDialog::names(int number) const
{
    return project_.boundaries.contains(number);
}

void BoundaryDialog::load(int number)
{
    // A boundary whose kind was never set (one just added) shows as outer.
    const int kind = project_.boundaries[number].kind;
    if (kind == InnerBoundary) {
        inner_->setChecked(true);
    } else if (kind == OuterBoundary) {
        outer_->setChecked(true);
    }
}

void BoundaryDialog::okClicked()
{
    const int kind = outer_->isChecked() ? OuterBoundary : InnerBoundary;
    if (storeBoundaryKind(project_, *ui_, typedNumber(), kind)) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
