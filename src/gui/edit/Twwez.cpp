#include "edit/Twwez.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "edit/DialogSupport.h"
#include "edit/NodeEditing.h"
#include "model/NumberFormat.h"
#include "view/NumberFields.h"

namespace zorind {

Twwez::Twwez(Project& project, Interaction& ui, QWidget* parent)
    : QDialog(parent), project_(project), ui_(&ui), edit1_(new QLineEdit(this)), xx_(new QLineEdit(this)),
      yy_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Twwez"));
    setWindowTitle(QStringLiteral("Współrzędne węzła"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    xx_->setObjectName(QStringLiteral("xx"));
    yy_->setObjectName(QStringLiteral("yy"));

    auto* form = new QFormLayout;
    form->addRow(labelFor("Numer węzła", edit1_, this), edit1_);
    form->addRow(labelFor("Współrzędna x", xx_, this), xx_);
    form->addRow(labelFor("Współrzędna y", yy_, this), yy_);
    QDialogButtonBox* buttons = okCancelButtons(this, [this] { okClicked(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edit1_, &QLineEdit::textChanged, this, [this] { numberChanged(); });
}

void Twwez::showNode(int n)
{
    if (project_.nodes.contains(n)) {
        xx_->setText(floatFieldText(project_.nodes[n].x));
        yy_->setText(floatFieldText(project_.nodes[n].y));
    }
}

void Twwez::fill()
{
    edit1_->setText(QString::number(project_.selectedNumber));
    showNode(project_.selectedNumber);
}

void Twwez::showEvent(QShowEvent* event)
{
    fill();
    reactivation_.shown();
    // A locked number leaves only the coordinates to type.
    QLineEdit* first = project_.selectedNumber != 0 ? xx_ : edit1_;
    first->setFocus();
    first->selectAll();
    QDialog::showEvent(event);
}

void Twwez::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && reactivation_.changed(isActiveWindow())) {
        fill();
    }
    QDialog::changeEvent(event);
}

void Twwez::numberChanged()
{
    // The corrections below change the text again; their own change adds
    // nothing to what this run does.
    if (inNumberChange_) {
        return;
    }
    inNumberChange_ = true;
    const int locked = project_.selectedNumber;
    if (locked != 0) {
        edit1_->setText(QString::number(locked));
    } else if (std::optional<int> k = parseInt(edit1_->text().trimmed().toStdString())) {
        if (*k <= 0) {
            *k = 1;
            edit1_->setText(QStringLiteral("1"));
        }
        if (*k > project_.nodeCount()) {
            *k = project_.nodeCount();
            edit1_->setText(QString::number(*k));
        }
        showNode(*k);
    }
    inNumberChange_ = false;
}

void Twwez::okClicked()
{
    storeNodeCoordinates(project_, *ui_, parseInt(edit1_->text().trimmed().toStdString()),
                         parseNumberField(xx_->text()), parseNumberField(yy_->text()));
    accept();
}

bool Twwez::edit()
{
    return exec() == QDialog::Accepted;
}

} // namespace zorind
