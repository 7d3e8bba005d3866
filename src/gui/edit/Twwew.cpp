#include "edit/Twwew.h"

#include <QLineEdit>

#include "edit/InternalPoints.h"
#include "view/NumberFields.h"

namespace zorind {

Twwew::Twwew(Project& project, Interaction& ui, QWidget* parent)
    : CoordinateDialog(project, ui, parent,
                       {"Twwew", "Węzeł wewnętrzny", "Numer węzła", "współrzędna X", "współrzędna Y"})
{
}

void Twwew::showPoint(int k)
{
    if (project_.internalPoints.contains(k)) {
        showCoordinates(project_.internalPoints[k].x, project_.internalPoints[k].y);
    }
}

void Twwew::fill()
{
    edit1_->setText(QString::number(project_.selectedNumber));
    xx_->setText(QStringLiteral("0"));
    yy_->setText(QStringLiteral("0"));
    showPoint(project_.selectedNumber);
}

void Twwew::numberChanged()
{
    const std::optional<int> k = typedNumber();
    if (project_.selectedNumber == 0 && k && project_.internalPoints.contains(*k)) {
        showPoint(*k);
    } else {
        edit1_->setText(QString::number(project_.selectedNumber));
    }
}

void Twwew::okClicked()
{
    if (storeInternalPoint(project_, *ui_, typedNumber(), parseNumberField(xx_->text()),
                           parseNumberField(yy_->text()))) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
