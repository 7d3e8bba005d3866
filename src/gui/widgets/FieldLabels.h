#pragma once

#include <QLabel>
#include <QString>

class QGridLayout;

namespace zorind {

// The label of a dialog field, set as its buddy so that its access key
// reaches the field and accessibility tools find the field by its label
// (on Linux through the labelled-by relation, which names a drop-down list
// too; elsewhere through the accessible name set here).
inline QLabel* labelFor(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    return label;
}

// Puts a label and its field side by side at (row, column) and makes the
// label the field's buddy, so that screen readers name the field.
QLabel* addLabelledField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                         QWidget* parent);

} // namespace zorind
