#pragma once

#include <QLabel>

namespace zorind {

// The label of a dialog field, set as its buddy so that its access key
// reaches the field and accessibility tools read the field by its label.
inline QLabel* labelFor(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    return label;
}

} // namespace zorind
