#include "edit/Twwez.h"

#include <QLineEdit>

#include "edit/NodeEditing.h"
#include "view/NumberFields.h"

namespace zorind {

Twwez::Twwez(Project& project, Interaction& ui, QWidget* parent)
    : CoordinateDialog(project, ui, parent,
                       {"Twwez", "Współrzędne węzła", "Numer węzła", "Współrzędna x", "Współrzędna y"})
{
}

void Twwez::showNode(int n)
{
    if (project_.nodes.contains(n)) {
        showCoordinates(project_.nodes[n].x, project_.nodes[n].y);
    }
}

void Twwez::fill()
{
    edit1_->setText(QString::number(project_.selectedNumber));
    showNode(project_.selectedNumber);
}

void Twwez::numberChanged()
{
    const int locked = project_.selectedNumber;
    if (locked != 0) {
        edit1_->setText(QString::number(locked));
    } else if (std::optional<int> k = typedNumber()) {
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
}

void Twwez::okClicked()
{
    storeNodeCoordinates(project_, *ui_, typedNumber(), parseNumberField(xx_->text()), parseNumberField(yy_->text()));
    accept();
}

} // namespace zorind
