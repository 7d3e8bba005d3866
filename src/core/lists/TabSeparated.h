#pragma once

#include <string>
#include <vector>

namespace zorind {

// A list as a spreadsheet takes it from the clipboard: the headings on the
// first line, then one line per row, cells separated by tabs, every line
// ended by a newline. Cells are taken as the list shows them, trimmed; a
// cell that is a number written with `shownDecimalSeparator` gets a decimal
// point instead, whatever the user's locale, and tabs or line breaks inside
// a cell become spaces.
std::string tabSeparatedText(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows, char shownDecimalSeparator);

} // namespace zorind
