#include "gui/widgets/NumberedEntryDialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <utility>

#include "core/model/NumberFormat.h"
#include "gui/widgets/DialogButtons.h"

namespace zorind {

NumberedEntryDialog::NumberedEntryDialog(Project& project, Interaction& ui, QWidget* parent, Refill refill)
    : QDialog(parent), project_(project), ui_(&ui), number_(new QLineEdit(this)), refill_(refill)
{
    setModal(true);
    number_->setObjectName(QStringLiteral("Edit1"));
    connect(number_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
}

void NumberedEntryDialog::numberChanged()
{
    // The corrections below change the text again; their own change adds
    // nothing to what this run does.
    if (correcting_) {
        return;
    }
    const QScopedValueRollback<bool> correcting(correcting_, true);
    if (project_.selectedNumber != 0) {
        number_->setText(QString::number(project_.selectedNumber));
        return;
    }
    std::optional<int> n = typedNumber();
    if (const std::optional<int> c = corrected(n)) {
        number_->setText(QString::number(*c));
        n = c;
    }
    if (n && names(*n)) {
        load(*n);
    }
}

void NumberedEntryDialog::showSelectedEntry()
{
    const int selected = project_.selectedNumber;
    number_->setText(QString::number(selected));
    if (names(selected)) {
        load(selected);
    }
}

std::optional<int> NumberedEntryDialog::typedNumber() const
{
    return parseInt(number_->text().trimmed().toStdString());
}

void NumberedEntryDialog::showEvent(QShowEvent* event)
{
    fill();
    // A locked number is no field to type into: the focus starts in the
    // field after it.
    if (project_.selectedNumber != 0 && focusWidget() == number_) {
        focusField(firstField(this, number_));
    }
    awaitingFirstActivation_ = true;
    QDialog::showEvent(event);
}

void NumberedEntryDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible()) {
        const bool first = std::exchange(awaitingFirstActivation_, false);
        if (isActiveWindow() &&
            (refill_ == Refill::OnEveryActivation || (refill_ == Refill::OnReactivation && !first))) {
            reactivated();
        }
    }
    QDialog::changeEvent(event);
}

bool NumberedEntryDialog::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
