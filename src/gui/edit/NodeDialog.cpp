#include "gui/edit/NodeDialog.h"

#include <QLineEdit>

#include "core/edit/NodeEditing.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

NodeDialog::NodeDialog(Project& project, Interaction& ui, QWidget* parent)
    : CoordinateDialog(project, ui, parent,
                       {"Twwez", "Współrzędne węzła", "Numer węzła", "Współrzędna x", "Współrzędna y"})
{
}

bool NodeDialog::names(int number) const
{
    return project_.nodes.contains(number);
}

void NodeDialog::load(int number)
{
    showCoordinates(project_.nodes[number].x, project_.nodes[number].y);
}

std::optional<int> NodeDialog::corrected(std::optional<int> typed) const
{
    if (!typed) {
        return std::nullopt;
    }
    // 0, the number the free field opens with, shows node 1.
    int k = *typed;
    bool moved = false;
    if (k <= 0) {
        k = 1;
        moved = true;
    }
    if (k > project_.nodeCount()) {
        k = project_.nodeCount();
        moved = true;
    }
    return moved ? std::optional<int>(k) : std::nullopt;
}

void NodeDialog::okClicked()
{
    // A refused entry closes the dialog as cancelled, so that the node "Dodaj"
    // has just appended for it goes again.
    if (storeNodeCoordinates(project_, *ui_, typedNumber(), parseNumberField(x_->text()),
                             parseNumberField(y_->text()))) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
