#include "lists/Tl_wyn.h"

#include "solver/ResultLists.h"

namespace zorind {

Tl_wyn::Tl_wyn(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn"), QString::fromUtf8(kResultListTitle), QSize(576, 405), parent),
      project_(project)
{
}

QStringList Tl_wyn::header() const
{
    QStringList out;
    for (const char* cell : kResultListHeaders) {
        out << QString::fromUtf8(cell);
    }
    return out;
}

std::vector<QStringList> Tl_wyn::rows() const
{
    std::vector<QStringList> out;
    for (const ElementResultRow& row : elementResultRows(project_)) {
        QStringList cells{QString::number(row.number)};
        for (float value : row.values) {
            cells << storedNumber(value);
        }
        out.push_back(cells);
    }
    return out;
}

std::vector<int> Tl_wyn::columnWidths() const
{
    return {kResultListColumnWidths.begin(), kResultListColumnWidths.end()};
}

} // namespace zorind
