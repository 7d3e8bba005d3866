#include "gui/widgets/FormFields.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/model/NumberFormat.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

QLineEdit* namedField(QWidget* parent, const char* name, const char* text)
{
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void addFormField(QFormLayout* form, const char* caption, QLineEdit* edit)
{
    auto* label = new QLabel(QString::fromUtf8(caption), edit->parentWidget());
    label->setBuddy(edit);
    edit->setAccessibleName(label->text());
    form->addRow(label, edit);
}

std::optional<float> floatFromField(const QLineEdit* edit)
{
    return typedFloat(parseNumberField(edit->text()));
}

} // namespace zorind
