#include "view/Td_siatki.h"
#include "app/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/ViewCommands.h"
#include "view/NumberFields.h"

namespace zorind {

Td_siatki::Td_siatki(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)), edit2_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Td_siatki"));
    setWindowTitle(QStringLiteral("Ustawienia siatki"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_->setObjectName(QStringLiteral("Edit2"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Odległość pomiędzy punktami w osi X ="), edit1_);
    form->addRow(QStringLiteral("Odległość pomiędzy punktami w osi Y ="), edit2_);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Td_siatki::fill()
{
    edit1_->setText(floatFieldText(project_.view.gridStepX));
    edit2_->setText(floatFieldText(project_.view.gridStepY));
}

void Td_siatki::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void Td_siatki::okClicked()
{
    acceptGridSpacing(project_, *ui_, parseNumberField(edit1_->text()), parseNumberField(edit2_->text()));
    accept();
}

bool Td_siatki::edit()
{
    exec();
    return true;
}

} // namespace zorind
