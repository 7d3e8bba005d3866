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

// The rows "Kopiuj" copies out of the rows first..last of a list: the
// selected ones in order, each once, or every row when none of them is
// selected (a selected row outside the range, such as a heading row,
// counts as none).
std::vector<int> rowsToCopy(std::vector<int> selected, int first, int last);

} // namespace zorind
