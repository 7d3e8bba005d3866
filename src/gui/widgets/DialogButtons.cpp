#include "widgets/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zorind {

QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> onOk, bool withCancel)
{
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    if (onOk) {
        QObject::connect(ok, &QPushButton::clicked, dialog, std::move(onOk));
    } else {
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    }
    if (withCancel) {
        QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("Button2"));
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return buttons;
}

} // namespace zorind
