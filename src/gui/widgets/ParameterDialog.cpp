#include "gui/widgets/ParameterDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FormFields.h"

namespace zorind {

ParameterDialog::ParameterDialog(const char* objectName, const char* title, const char* heading,
                                 std::initializer_list<ParameterField> fields, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromUtf8(title));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    form_ = new QFormLayout(frame);
    if (heading != nullptr) {
        auto* label = new QLabel(QString::fromUtf8(heading), frame);
        label->setObjectName(QStringLiteral("Label1"));
        form_->addRow(label);
    }
    for (const ParameterField& f : fields) {
        QLineEdit* edit = namedField(frame, f.name, f.initial);
        addFormField(form_, f.caption, edit);
        fields_.push_back(edit);
    }
    QDialogButtonBox* buttons = okCancelButtons(this, [this] {
        store();
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zorind
