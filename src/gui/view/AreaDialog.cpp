#include "gui/view/AreaDialog.h"
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

AreaDialog::AreaDialog(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), left_(new QLineEdit(this)), bottom_(new QLineEdit(this)),
      right_(new QLineEdit(this)), top_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Td_obsz"));
    setWindowTitle(QStringLiteral("Ustawienia obszaru"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    left_->setObjectName(QStringLiteral("Edit3"));
    bottom_->setObjectName(QStringLiteral("Edit4"));
    right_->setObjectName(QStringLiteral("Edit1"));
    top_->setObjectName(QStringLiteral("Edit2"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Lewy dolny róg obszaru X"), left_);
    form->addRow(QStringLiteral("Lewy dolny róg obszaru Y"), bottom_);
    form->addRow(QStringLiteral("Prawy górny róg obszaru X"), right_);
    form->addRow(QStringLiteral("Prawy górny róg obszaru Y"), top_);

    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });

    setTabOrder(left_, bottom_);
    setTabOrder(bottom_, right_);
    setTabOrder(right_, top_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AreaDialog::fill()
{
    const ViewTransform& v = project_.view;
    left_->setText(floatFieldText(v.areaXMin));
    bottom_->setText(floatFieldText(v.areaYMin));
    right_->setText(floatFieldText(v.areaXMax));
    top_->setText(floatFieldText(v.areaYMax));
}

void AreaDialog::showEvent(QShowEvent* event)
{
    fill();
    QDialog::showEvent(event);
}

void AreaDialog::okClicked()
{
    acceptViewArea(project_, *ui_, parseNumberField(left_->text()), parseNumberField(bottom_->text()),
                   parseNumberField(right_->text()), parseNumberField(top_->text()));
    accept();
}

bool AreaDialog::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
