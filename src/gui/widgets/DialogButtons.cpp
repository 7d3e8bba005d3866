#include "gui/widgets/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace zorind {

namespace {

// The checked radio button of `radio`'s exclusive group, or `radio` itself.
QWidget* checkedOfGroup(QRadioButton* radio)
{
    if (radio->isChecked() || !radio->autoExclusive() || radio->parentWidget() == nullptr) {
        return radio;
    }
    for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (other->autoExclusive() && other->isChecked() && other->isEnabled() && !other->isHidden()) {
            return other;
        }
    }
    return radio;
}

// Starts every showing of a dialog afresh (see okCancelButtons). The field
// is chosen when the dialog is about to be shown, then once more after its
// own showEvent has filled the fields (which may enable or disable some),
// unless that showEvent put the focus somewhere of its own choosing.
class FreshOpening : public QObject {
public:
    FreshOpening(QDialog* dialog, QPushButton* ok) : QObject(dialog), dialog_(dialog), ok_(ok) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == dialog_ && event->type() == QEvent::Show) {
            ok_->setDefault(true);
            chosen_ = firstField(dialog_);
            focusField(chosen_);
        } else if (watched == dialog_ && event->type() == QEvent::ShowToParent) {
            if (dialog_->focusWidget() == chosen_.data()) {
                focusField(firstField(dialog_));
            }
            chosen_ = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog* dialog_;
    QPushButton* ok_;
    QPointer<QWidget> chosen_;
};

} // namespace

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
    dialog->installEventFilter(new FreshOpening(dialog, ok));
    return buttons;
}

QWidget* firstField(QWidget* dialog, const QWidget* after)
{
    bool started = after == nullptr;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog && w != nullptr; w = w->nextInFocusChain()) {
        if (!started) {
            started = w == after;
            continue;
        }
        if (!dialog->isAncestorOf(w) || w->window() != dialog || !w->isEnabled() || !w->isVisibleTo(dialog) ||
            (w->focusPolicy() & Qt::TabFocus) == 0 || w->focusProxy() != nullptr || qobject_cast<QPushButton*>(w)) {
            continue;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            return checkedOfGroup(radio);
        }
        return w;
    }
    return nullptr;
}

void focusField(QWidget* field)
{
    if (field == nullptr) {
        return;
    }
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
}

} // namespace zorind
