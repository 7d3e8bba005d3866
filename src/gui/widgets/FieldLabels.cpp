#include "gui/widgets/FieldLabels.h"

#include <QGridLayout>

namespace zorind {

QLabel* addLabelledField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                         QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return label;
}

} // namespace zorind
