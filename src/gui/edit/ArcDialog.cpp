#include "gui/edit/ArcDialog.h"

#include <QLineEdit>

#include "core/model/NumberFormat.h"
#include "gui/widgets/FormFields.h"

namespace zorind {

ArcDialog::ArcDialog(Project& project, Interaction& ui, QWidget* parent)
    : ParameterDialog("Tluk_", kArcCaption, "Współrzędne środka łuku",
                      {{"xx", "x", "0"},
                       {"yy", "y", "0"},
                       {"rr", "Promień", "10"},
                       {"kp", "Kąt początkowy", "0"},
                       {"kk", "Kąt końcowy", "90"},
                       {"nnn", "Liczba elementów", "6"}},
                      parent),
      project_(project), ui_(&ui)
{
    field(0)->setAccessibleName(QStringLiteral("Współrzędna x środka łuku"));
    field(1)->setAccessibleName(QStringLiteral("Współrzędna y środka łuku"));
}

std::optional<ArcSpec> ArcDialog::arc() const
{
    std::optional<float> values[5];
    for (std::size_t i = 0; i < 5; ++i) {
        values[i] = floatFromField(field(i));
        if (!values[i]) {
            return std::nullopt;
        }
    }
    const std::optional<int> n = parseInt(field(5)->text().trimmed().toStdString());
    if (!n) {
        return std::nullopt;
    }
    return ArcSpec{*values[0], *values[1], *values[2], *values[3], *values[4], *n};
}

void ArcDialog::store()
{
    if (const std::optional<ArcSpec> a = arc()) {
        addArc(project_, *ui_, *a);
    }
}

} // namespace zorind
