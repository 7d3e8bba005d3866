#include "gui/lists/ResultsList.h"

#include "core/solver/ResultLists.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

ResultsList::ResultsList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn"), QString::fromUtf8(kResultListTitle), QSize(576, 405), parent),
      project_(project)
{
}

ListColumns ResultsList::table() const
{
    return elementResultColumns(project_, decimalSeparator());
}

std::vector<int> ResultsList::columnWidths() const
{
    return {kResultListColumnWidths.begin(), kResultListColumnWidths.end()};
}

} // namespace zorind
