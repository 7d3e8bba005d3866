#include "view/Td_obsz.h"
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

Td_obsz::Td_obsz(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit3_(new QLineEdit(this)), edit4_(new QLineEdit(this)),
      edit1_(new QLineEdit(this)), edit2_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Td_obsz"));
    setWindowTitle(QStringLiteral("Ustawienia obszaru"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit3_->setObjectName(QStringLiteral("Edit3"));
    edit4_->setObjectName(QStringLiteral("Edit4"));
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_->setObjectName(QStringLiteral("Edit2"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Lewy dolny róg obszaru X"), edit3_);
    form->addRow(QStringLiteral("Lewy dolny róg obszaru Y"), edit4_);
    form->addRow(QStringLiteral("Prawy górny róg obszaru X"), edit1_);
    form->addRow(QStringLiteral("Prawy górny róg obszaru Y"), edit2_);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    setTabOrder(edit3_, edit4_);
    setTabOrder(edit4_, edit1_);
    setTabOrder(edit1_, edit2_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Td_obsz::fill()
{
    const ViewTransform& v = project_.view;
    edit3_->setText(floatFieldText(v.areaXMin));
    edit4_->setText(floatFieldText(v.areaYMin));
    edit1_->setText(floatFieldText(v.areaXMax));
    edit2_->setText(floatFieldText(v.areaYMax));
}

void Td_obsz::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void Td_obsz::okClicked()
{
    acceptViewArea(project_, *ui_, parseNumberField(edit3_->text()), parseNumberField(edit4_->text()),
                   parseNumberField(edit1_->text()), parseNumberField(edit2_->text()));
    accept();
}

bool Td_obsz::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
