#include "gui/edit/InternalPointDialog.h"

#include <QLineEdit>

#include "core/edit/InternalPoints.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

InternalPointDialog::InternalPointDialog(Project& project, Interaction& ui, QWidget* parent)
    : CoordinateDialog(project, ui, parent,
                       {"Twwew", "Węzeł wewnętrzny", "Numer węzła", "współrzędna X", "współrzędna Y"})
{
}

void InternalPointDialog::fill()
{
    x_->setText(QStringLiteral("0"));
    y_->setText(QStringLiteral("0"));
    CoordinateDialog::fill();
}

bool InternalPointDialog::names(int number) const
{
    return project_.internalPoints.contains(number);
}

void InternalPointDialog::load(int number)
{
    showCoordinates(project_.internalPoints[number].x, project_.internalPoints[number].y);
}

std::optional<int> InternalPointDialog::corrected(std::optional<int> typed) const
{
    // Only the number of an existing point stays; anything else goes back
    // to 0.
    if (typed && names(*typed)) {
        return std::nullopt;
    }
    return 0;
}

void InternalPointDialog::okClicked()
{
    if (storeInternalPoint(project_, *ui_, typedNumber(), parseNumberField(x_->text()), parseNumberField(y_->text()))) {
        accept();
    } else {
        reject();
    }
}

} // namespace zorind
