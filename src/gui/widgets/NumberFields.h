#pragma once

#include <QString>
#include <optional>

namespace zorind {

// A stored float as a dialog field shows it (fieldNumber: the shortest
// decimal text that reads back as the same float, plain while it is short),
// with the user's decimal separator.
QString floatFieldText(float value);

// A double as a dialog field shows it: the shortest decimal text that reads
// back as the same double, with the user's decimal separator.
QString doubleFieldText(double value);

// A number typed into a dialog field, with the user's decimal separator (or
// a point); nothing when the text is not a finite number.
std::optional<double> parseNumberField(const QString& text);

// The user's decimal separator as one character ('.' where the locale's is
// not a single ASCII character).
char decimalSeparator();

} // namespace zorind
