#include "gui/edit/CircleDialog.h"

#include <QLineEdit>

#include "core/model/NumberFormat.h"
#include "gui/widgets/FormFields.h"

namespace zorind {

CircleDialog::CircleDialog(Project& project, Interaction& ui, QWidget* parent)
    : ParameterDialog("Tokrag_", kCircleCaption, "Współrzędne środka okręgu",
                      {{"xx", "x", "0"}, {"yy", "y", "0"}, {"rr", "Promień", "10"}, {"nnn", "Liczba elementów", "18"}},
                      parent),
      project_(project), ui_(&ui)
{
    centreXField()->setAccessibleName(QStringLiteral("Współrzędna x środka okręgu"));
    centreYField()->setAccessibleName(QStringLiteral("Współrzędna y środka okręgu"));
}

std::optional<CircleSpec> CircleDialog::circle() const
{
    const std::optional<int> n = parseInt(elementCountField()->text().trimmed().toStdString());
    const std::optional<float> r = floatFromField(radiusField());
    const std::optional<float> x = floatFromField(centreXField());
    const std::optional<float> y = floatFromField(centreYField());
    if (!n || !r || !x || !y) {
        return std::nullopt;
    }
    return CircleSpec{*x, *y, *r, *n};
}

void CircleDialog::store()
{
    if (const std::optional<CircleSpec> c = circle()) {
        addCircle(project_, *ui_, *c);
    }
}

} // namespace zorind
