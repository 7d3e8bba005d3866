#pragma once

#include <string>
#include <vector>

namespace zorind {

// A stored value as "Kopiuj" puts it on the clipboard: the float in general
// notation with 9 significant digits, which read back give the same float,
// and a decimal point whatever the user's locale ("0.100000001",
// "2.49999994e-07").
std::string copiedNumber(float value);

// One row of a list window, each cell twice: as the window shows it and as
// "Kopiuj" copies it. A window may show a value rounded (the six decimals of
// the elasticity results) or with the user's decimal separator; the copy
// always carries the stored value, for a spreadsheet to compute with.
struct ListRow {
    std::vector<std::string> shown;
    std::vector<std::string> copied;

    // A cell copied as it is shown: a model number, a name, nothing.
    ListRow& text(const std::string& cell);
    // A stored value, shown as `shownText`.
    ListRow& value(const std::string& shownText, float stored);
};

// A list as columns: the headings and one row per entry, in the order of
// the entries.
struct ListColumns {
    std::vector<std::string> headings;
    std::vector<ListRow> rows;
};

} // namespace zorind
