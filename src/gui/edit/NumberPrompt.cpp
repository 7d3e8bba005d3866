#include "gui/edit/NumberPrompt.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/model/NumberFormat.h"
#include "gui/widgets/DialogButtons.h"

namespace zorind {

NumberPrompt::NumberPrompt(Project& project, QWidget* parent)
    : QDialog(parent), project_(project), label_(new QLabel(this)), number_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Tuwez"));
    setWindowTitle(QStringLiteral("Podaj numer"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    label_->setObjectName(QStringLiteral("Label"));
    number_->setObjectName(QStringLiteral("Edit1"));
    label_->setBuddy(number_);

    auto* row = new QHBoxLayout;
    row->addWidget(label_);
    row->addWidget(number_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString NumberPrompt::promptLabel(int kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("Numer węzła");
    case 2:
        return QStringLiteral("Numer elementu");
    case 3:
        return QStringLiteral("Nr węz. wewnętrznego");
    case 8:
        return QStringLiteral("Ilość punktów w osi");
    default:
        return {};
    }
}

void NumberPrompt::showEvent(QShowEvent* event)
{
    label_->setText(promptLabel(project_.selectedNumber));
    number_->setText(QStringLiteral("0"));
    // Typing replaces the "0" at once.
    number_->selectAll();
    number_->setFocus();
    QDialog::showEvent(event);
}

void NumberPrompt::okClicked()
{
    project_.selectedNumber = parseInt(number_->text().trimmed().toStdString()).value_or(-1);
    accept();
}

bool NumberPrompt::ask()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
