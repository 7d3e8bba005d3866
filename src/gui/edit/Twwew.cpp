#include "edit/Twwew.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "edit/DialogSupport.h"
#include "edit/InternalPoints.h"
#include "model/NumberFormat.h"
#include "view/NumberFields.h"

namespace zorind {

Twwew::Twwew(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)), xx_(new QLineEdit(this)),
      yy_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Twwew"));
    setWindowTitle(QStringLiteral("Węzeł wewnętrzny"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    xx_->setObjectName(QStringLiteral("xx"));
    yy_->setObjectName(QStringLiteral("yy"));

    auto* form = new QFormLayout;
    form->addRow(labelFor("Numer węzła", edit1_, this), edit1_);
    form->addRow(labelFor("współrzędna X", xx_, this), xx_);
    form->addRow(labelFor("współrzędna Y", yy_, this), yy_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edit1_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
}

void Twwew::showPoint(int k)
{
    if (project_.internalPoints.contains(k)) {
        xx_->setText(floatFieldText(project_.internalPoints[k].x));
        yy_->setText(floatFieldText(project_.internalPoints[k].y));
    }
}

void Twwew::fill()
{
    edit1_->setText(QString::number(project_.selectedNumber));
    xx_->setText(QStringLiteral("0"));
    yy_->setText(QStringLiteral("0"));
    showPoint(project_.selectedNumber);
}

void Twwew::showEvent(QShowEvent* event)
{
    fill();
    reactivation_.shown();
    // A locked number leaves only the coordinates to type.
    QLineEdit* first = project_.selectedNumber != 0 ? xx_ : edit1_;
    first->setFocus();
    first->selectAll();
    QDialog::showEvent(event);
}

void Twwew::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && reactivation_.changed(isActiveWindow())) {
        fill();
    }
    QDialog::changeEvent(event);
}

void Twwew::numberChanged()
{
    if (inNumberChange_) {
        return;
    }
    inNumberChange_ = true;
    const std::optional<int> k = parseInt(edit1_->text().trimmed().toStdString());
    if (project_.selectedNumber == 0 && k && project_.internalPoints.contains(*k)) {
        showPoint(*k);
    } else {
        edit1_->setText(QString::number(project_.selectedNumber));
    }
    inNumberChange_ = false;
}

void Twwew::okClicked()
{
    if (storeInternalPoint(project_, *ui_, parseInt(edit1_->text().trimmed().toStdString()),
                           parseNumberField(xx_->text()), parseNumberField(yy_->text()))) {
        accept();
    } else {
        reject();
    }
}

bool Twwew::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
