#include "lists/Tl_wyn.h"

#include "solver/ResultLists.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wyn::Tl_wyn(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn"), QString::fromUtf8(kResultListTitle), QSize(576, 405), parent),
      project_(project)
{
}

ListColumns Tl_wyn::table() const
{
    return elementResultColumns(project_, decimalSeparator());
}

std::vector<int> Tl_wyn::columnWidths() const
{
    return {kResultListColumnWidths.begin(), kResultListColumnWidths.end()};
}

} // namespace zorind
