#include "lists/Tl_www.h"

#include "solver/ResultLists.h"

namespace zorind {

Tl_www::Tl_www(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_www"), QString::fromUtf8(kInternalResultsTitle), QSize(192, 376), parent),
      project_(project)
{
}

QStringList Tl_www::header() const
{
    QStringList out;
    for (const char* cell : kInternalResultsHeaders) {
        out << QString::fromUtf8(cell);
    }
    return out;
}

std::vector<QStringList> Tl_www::rows() const
{
    std::vector<QStringList> out;
    for (const InternalResultRow& row : internalResultRows(project_)) {
        out.push_back({QString::number(row.number), row.value ? storedNumber(*row.value) : QString()});
    }
    return out;
}

std::vector<int> Tl_www::columnWidths() const
{
    return {kInternalResultsColumnWidths.begin(), kInternalResultsColumnWidths.end()};
}

} // namespace zorind
