#include "lists/TabSeparated.h"

#include <algorithm>

#include <cctype>

namespace zorind {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Where a run of digits starting at `at` ends.
std::size_t skipDigits(const std::string& s, std::size_t at)
{
    while (at < s.size() && isDigit(s[at])) {
        ++at;
    }
    return at;
}

// The position of the decimal separator when `s` is a number as the lists
// write it ("-1,5", "2,5e-07", "12"), npos when it has none; false when `s`
// is not such a number.
bool numberSeparator(const std::string& s, char separator, std::size_t& at)
{
    at = std::string::npos;
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    const std::size_t intEnd = skipDigits(s, i);
    bool digits = intEnd > i;
    i = intEnd;
    if (i < s.size() && s[i] == separator) {
        at = i;
        const std::size_t fracEnd = skipDigits(s, i + 1);
        digits = digits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!digits) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '-' || s[e] == '+')) {
            ++e;
        }
        const std::size_t expEnd = skipDigits(s, e);
        if (expEnd == e) {
            return false;
        }
        i = expEnd;
    }
    return i == s.size();
}

std::string cellText(const std::string& shown, char separator)
{
    std::string cell = shown;
    for (char& c : cell) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    const std::size_t first = cell.find_first_not_of(' ');
    cell = first == std::string::npos ? std::string() : cell.substr(first, cell.find_last_not_of(' ') - first + 1);
    std::size_t at = 0;
    if (numberSeparator(cell, separator, at) && at != std::string::npos) {
        cell[at] = '.';
    }
    return cell;
}

void appendLine(std::string& out, const std::vector<std::string>& cells, char separator)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += cellText(cells[i], separator);
    }
    out += '\n';
}

} // namespace

std::string tabSeparatedText(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows, char shownDecimalSeparator)
{
    std::string out;
    appendLine(out, headings, shownDecimalSeparator);
    for (const std::vector<std::string>& row : rows) {
        appendLine(out, row, shownDecimalSeparator);
    }
    return out;
}

std::vector<int> rowsToCopy(std::vector<int> selected, int first, int last)
{
    std::erase_if(selected, [first, last](int row) { return row < first || row > last; });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if (selected.empty()) {
        for (int row = first; row <= last; ++row) {
            selected.push_back(row);
        }
    }
    return selected;
}

} // namespace zorind
