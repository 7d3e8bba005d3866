#include "edit/CoordinateDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "model/NumberFormat.h"
#include "view/NumberFields.h"

namespace zorind {

CoordinateDialog::CoordinateDialog(Project& project, Interaction& ui, QWidget* parent, const Captions& captions)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)), xx_(new QLineEdit(this)),
      yy_(new QLineEdit(this))
{
    setObjectName(QString::fromLatin1(captions.objectName));
    setWindowTitle(QString::fromUtf8(captions.title));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    xx_->setObjectName(QStringLiteral("xx"));
    yy_->setObjectName(QStringLiteral("yy"));

    auto* form = new QFormLayout;
    form->addRow(labelFor(captions.number, edit1_, this), edit1_);
    form->addRow(labelFor(captions.x, xx_, this), xx_);
    form->addRow(labelFor(captions.y, yy_, this), yy_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edit1_, &QLineEdit::textChanged, this, [this] {
        // The corrections a rule makes change the text again; their own
        // change adds nothing to what this run does.
        if (inNumberChange_) {
            return;
        }
        inNumberChange_ = true;
        numberChanged();
        inNumberChange_ = false;
    });
}

std::optional<int> CoordinateDialog::typedNumber() const
{
    return parseInt(edit1_->text().trimmed().toStdString());
}

void CoordinateDialog::showCoordinates(float x, float y)
{
    xx_->setText(floatFieldText(x));
    yy_->setText(floatFieldText(y));
}

void CoordinateDialog::showEvent(QShowEvent* event)
{
    fill();
    reactivation_.shown();
    // A locked number leaves only the coordinates to type.
    QLineEdit* first = project_.selectedNumber != 0 ? xx_ : edit1_;
    first->setFocus();
    first->selectAll();
    QDialog::showEvent(event);
}

void CoordinateDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && reactivation_.changed(isActiveWindow())) {
        fill();
    }
    QDialog::changeEvent(event);
}

bool CoordinateDialog::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
