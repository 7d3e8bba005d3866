#include "lists/Tl_wez.h"

#include <QTableWidget>
#include <algorithm>

#include "lists/ListRows.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wez::Tl_wez(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wez"), QString::fromUtf8(kNodeListTitle), QSize(278, 376), parent),
      project_(project)
{
    grid()->setAccessibleName(windowTitle());
}

ListColumns Tl_wez::table() const
{
    return nodeListColumns(project_, decimalSeparator());
}

std::vector<int> Tl_wez::columnWidths() const
{
    std::vector<int> widths(kPointListColumnWidths.begin(), kPointListColumnWidths.end());
    // The number column is never narrower than the largest number, so that
    // node 199 reads as 199 in any font.
    widths[0] = std::max(widths[0], fontMetrics().horizontalAdvance(QStringLiteral("999")) + 8);
    return widths;
}

} // namespace zorind
