#pragma once

#include <optional>

class QFormLayout;
class QLineEdit;
class QWidget;

namespace zorind {

// The line edits of the parameter dialogs (circle, arc, scaling): named as
// the system names its fields, with their first text.
QLineEdit* namedField(QWidget* parent, const char* name, const char* text);

// A field under its label in a form, the label its buddy, so that the
// access key reaches it and screen readers name it.
void addFormField(QFormLayout* form, const char* caption, QLineEdit* edit);

// The field's text as the float the tables hold, in the user's decimal
// notation; nothing when it is no number in the float range.
std::optional<float> floatFromField(const QLineEdit* edit);

} // namespace zorind
