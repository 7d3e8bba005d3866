#include "gui/lists/NodeList.h"

#include <QTableWidget>
#include <algorithm>

#include "core/lists/ListRows.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

NodeList::NodeList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wez"), QString::fromUtf8(kNodeListTitle), QSize(278, 376), parent),
      project_(project)
{
    grid()->setAccessibleName(windowTitle());
}

ListColumns NodeList::table() const
{
    return nodeListColumns(project_, decimalSeparator());
}

std::vector<int> NodeList::columnWidths() const
{
    std::vector<int> widths(kPointListColumnWidths.begin(), kPointListColumnWidths.end());
    // The number column is never narrower than the largest number, so that
    // node 199 reads as 199 in any font.
    widths[0] = std::max(widths[0], fontMetrics().horizontalAdvance(QStringLiteral("999")) + 8);
    return widths;
}

} // namespace zorind
