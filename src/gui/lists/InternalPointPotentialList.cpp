#include "gui/lists/InternalPointPotentialList.h"

#include "core/solver/ResultLists.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

InternalPointPotentialList::InternalPointPotentialList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_www"), QString::fromUtf8(kInternalResultsTitle), QSize(192, 376), parent),
      project_(project)
{
}

ListColumns InternalPointPotentialList::table() const
{
    return internalResultColumns(project_, decimalSeparator());
}

std::vector<int> InternalPointPotentialList::columnWidths() const
{
    return {kInternalResultsColumnWidths.begin(), kInternalResultsColumnWidths.end()};
}

} // namespace zorind
