#include "core/lists/TabSeparated.h"

#include <algorithm>

namespace zorind {

namespace {

std::string cellText(const std::string& copied)
{
    std::string cell = copied;
    for (char& c : cell) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    const std::size_t first = cell.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

void appendLine(std::string& out, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += cellText(cells[i]);
    }
    out += '\n';
}

} // namespace

std::string tabSeparatedText(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    appendLine(out, headings);
    for (const std::vector<std::string>& row : rows) {
        appendLine(out, row);
    }
    return out;
}

std::vector<int> rowsToCopy(std::vector<int> selected, int rowCount)
{
    std::erase_if(selected, [rowCount](int row) { return row < 0 || row >= rowCount; });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if (selected.empty()) {
        for (int row = 0; row < rowCount; ++row) {
            selected.push_back(row);
        }
    }
    return selected;
}

} // namespace zorind
