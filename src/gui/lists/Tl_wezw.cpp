#include "lists/Tl_wezw.h"

#include <QTableWidget>
#include <algorithm>

#include "lists/ListRows.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wezw::Tl_wezw(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wezw"), QString::fromUtf8(kInternalPointListTitle), QSize(278, 376), parent),
      project_(project)
{
    grid()->setAccessibleName(windowTitle());
}

ListColumns Tl_wezw::table() const
{
    return internalPointListColumns(project_, decimalSeparator());
}

std::vector<int> Tl_wezw::columnWidths() const
{
    std::vector<int> widths(kPointListColumnWidths.begin(), kPointListColumnWidths.end());
    // The number column is never narrower than the largest number, so that
    // node 199 reads as 199 in any font.
    widths[0] = std::max(widths[0], fontMetrics().horizontalAdvance(QStringLiteral("999")) + 8);
    return widths;
}

} // namespace zorind
