#include "view/Ttypobl_.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorind {

Ttypobl_::Ttypobl_(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Ttypobl_"));
    setWindowTitle(QStringLiteral("Typ obliczeń"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* radios = new QVBoxLayout(bevel);

    const struct {
        int code;
        const char* name;
        const char* caption;
    } table[] = {
        {1, "ter", "stacjonarny przepływ ciepła"},
        {2, "ele", "potencjał elektryczny"},
        {3, "mag", "potencjał magnetyczny"},
        {4, "hyd", "ciśnienie hydrodynamiczne w zamkniętych zbiornikach wodnych"},
        {5, "cie", "laminarny przepływ cieczy nieściśliwej, nielepkiej"},
        {10, "spr", "sprężystość"},
        {11, "tspr", "termosprężystość"},
    };
    int i = 0;
    for (const auto& entry : table) {
        auto* radio = new QRadioButton(QString::fromUtf8(entry.caption), bevel);
        radio->setObjectName(QString::fromLatin1(entry.name));
        radios->addWidget(radio);
        choices_[i++] = {entry.code, radio};
    }
    choices_[0].button->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addWidget(buttons);
    setMinimumSize(355, 186);
}

std::optional<int> Ttypobl_::choose()
{
    QRadioButton* before = button(checkedCode());
    if (exec() == QDialog::Accepted) {
        return checkedCode();
    }
    before->setChecked(true);
    return std::nullopt;
}

int Ttypobl_::checkedCode() const
{
    for (const Choice& c : choices_) {
        if (c.button->isChecked()) {
            return c.code;
        }
    }
    return 1;
}

QRadioButton* Ttypobl_::button(int code) const
{
    for (const Choice& c : choices_) {
        if (c.code == code) {
            return c.button;
        }
    }
    return choices_[0].button;
}

} // namespace zorind
