#include "gui/view/RadioChoiceDialog.h"
#include "gui/widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorind {

RadioChoiceDialog::RadioChoiceDialog(const QString& objectName, const QString& title, const QString& frameLabel,
                                     QSize minimum, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* bevel = new QGroupBox(frameLabel, this);
    grid_ = new QGridLayout(bevel);

    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addWidget(buttons);
    setMinimumSize(minimum);
}

QRadioButton* RadioChoiceDialog::addChoice(const char* objectName, const char* caption, int column)
{
    auto* radio = new QRadioButton(QString::fromUtf8(caption), this);
    radio->setObjectName(QString::fromLatin1(objectName));
    grid_->addWidget(radio, rows_[column]++, column);
    buttons_.push_back(radio);
    if (buttons_.size() == 1) {
        radio->setChecked(true);
    }
    return radio;
}

std::optional<int> RadioChoiceDialog::chooseIndex()
{
    const int before = checkedIndex();
    if (exec() == QDialog::Accepted) {
        const int index = checkedIndex();
        return index >= 0 ? std::optional<int>(index) : std::nullopt;
    }
    checkIndex(before);
    return std::nullopt;
}

void RadioChoiceDialog::checkIndex(int index)
{
    if (index >= 0) {
        buttonAt(index)->setChecked(true);
        return;
    }
    // Exclusive buttons cannot be unchecked one by one.
    for (QRadioButton* radio : buttons_) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

int RadioChoiceDialog::checkedIndex() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace zorind
