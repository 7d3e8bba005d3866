#pragma once

#include <QString>
#include <array>
#include <optional>

class QGridLayout;
class QLabel;
class QWidget;

namespace zorind {

// Shared by the condition and boundary dialogs.

// The labels of the three value rows: node 1, the middle, node 2.
inline constexpr std::array<const char*, 3> kConditionValueLabels{"Wartość w weźle 1", "Wartość w węźle środkowym",
                                                                  "Wartość w węźle 2"};

// An item number typed into a number field; nothing unless the text (blanks
// around it aside) is an integer.
std::optional<int> parseNumberText(const QString& text);

// Puts a label and its field side by side at (row, column) and makes the
// label the field's buddy, so that screen readers name the field.
QLabel* addLabelledField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                         QWidget* parent);

} // namespace zorind
