#include "gui/view/GridDialog.h"
#include "gui/widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/session/ViewCommands.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

GridDialog::GridDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), stepX_(new QLineEdit(this)), stepY_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Td_siatki"));
    setWindowTitle(QStringLiteral("Ustawienia siatki"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    stepX_->setObjectName(QStringLiteral("Edit1"));
    stepY_->setObjectName(QStringLiteral("Edit2"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Odległość pomiędzy punktami w osi X ="), stepX_);
    form->addRow(QStringLiteral("Odległość pomiędzy punktami w osi Y ="), stepY_);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GridDialog::fill()
{
    stepX_->setText(floatFieldText(project_.view.gridStepX));
    stepY_->setText(floatFieldText(project_.view.gridStepY));
}

void GridDialog::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void GridDialog::okClicked()
{
    acceptGridSpacing(project_, *ui_, parseNumberField(stepX_->text()), parseNumberField(stepY_->text()));
    accept();
}

bool GridDialog::edit()
{
    exec();
    return true;
}

} // namespace zorind
