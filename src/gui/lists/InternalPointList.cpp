#include "gui/lists/InternalPointList.h"

#include <QTableWidget>
#include <algorithm>

#include "core/lists/ListRows.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

InternalPointList::InternalPointList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wezw"), QString::fromUtf8(kInternalPointListTitle), QSize(278, 376), parent),
      project_(project)
{
    grid()->setAccessibleName(windowTitle());
}

ListColumns InternalPointList::table() const
{
    return internalPointListColumns(project_, decimalSeparator());
}

std::vector<int> InternalPointList::columnWidths() const
{
    std::vector<int> widths(kPointListColumnWidths.begin(), kPointListColumnWidths.end());
    // The number column is never narrower than the largest number, so that
    // node 199 reads as 199 in any font.
    widths[0] = std::max(widths[0], fontMetrics().horizontalAdvance(QStringLiteral("999")) + 8);
    return widths;
}

} // namespace zorind
