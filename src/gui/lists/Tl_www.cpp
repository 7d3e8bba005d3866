#include "lists/Tl_www.h"

#include "solver/ResultLists.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_www::Tl_www(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_www"), QString::fromUtf8(kInternalResultsTitle), QSize(192, 376), parent),
      project_(project)
{
}

ListColumns Tl_www::table() const
{
    return internalResultColumns(project_, decimalSeparator());
}

std::vector<int> Tl_www::columnWidths() const
{
    return {kInternalResultsColumnWidths.begin(), kInternalResultsColumnWidths.end()};
}

} // namespace zorind
