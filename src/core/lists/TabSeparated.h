#pragma once

#include <string>
#include <vector>

namespace zorind {

// A list as a spreadsheet takes it from the clipboard: the headings on the
// first line, then one line per row, cells separated by tabs, every line
// ended by a newline. The cells are the rows' copy texts (ListRow::copied),
// numbers already with a decimal point; each is trimmed, and tabs or line
// breaks inside a cell become spaces.
std::string tabSeparatedText(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows);

// The rows "Kopiuj" copies out of a list of `rowCount` rows: the selected
// ones in order, each once, or every row when none is selected (a selected
// row beyond the list counts as none).
std::vector<int> rowsToCopy(std::vector<int> selected, int rowCount);

} // namespace zorind
