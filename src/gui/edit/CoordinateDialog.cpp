#include "gui/edit/CoordinateDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/FieldLabels.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

CoordinateDialog::CoordinateDialog(Project& project, Interaction& ui, QWidget* parent, const Captions& captions)
    : NumberedEntryDialog(project, ui, parent, Refill::OnReactivation), x_(new QLineEdit(this)), y_(new QLineEdit(this))
{
    setObjectName(QString::fromLatin1(captions.objectName));
    setWindowTitle(QString::fromUtf8(captions.title));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    x_->setObjectName(QStringLiteral("xx"));
    y_->setObjectName(QStringLiteral("yy"));

    auto* form = new QFormLayout;
    form->addRow(labelFor(captions.number, number_, this), number_);
    form->addRow(labelFor(captions.x, x_, this), x_);
    form->addRow(labelFor(captions.y, y_, this), y_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CoordinateDialog::showCoordinates(float x, float y)
{
    x_->setText(floatFieldText(x));
    y_->setText(floatFieldText(y));
}

void CoordinateDialog::showEvent(QShowEvent* event)
{
    NumberedEntryDialog::showEvent(event);
    // A locked number leaves only the coordinates to type.
    QLineEdit* first = project_.selectedNumber != 0 ? x_ : number_;
    first->setFocus();
    first->selectAll();
}

} // namespace zorind
