#include "gui/lists/InternalPointResultsList.h"

#include <QHeaderView>
#include <QTableWidget>

#include "core/exchange/ElasticityResults.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

InternalPointResultsList::InternalPointResultsList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn_pw"), QString::fromUtf8(kInternalPointResultsTitle), QSize(576, 405),
                     parent),
      project_(project)
{
    grid()->horizontalHeader()->setDefaultSectionSize(kElasticityGridDefaultWidth);
}

ListColumns InternalPointResultsList::table() const
{
    return internalPointResultColumns(project_, decimalSeparator());
}

std::vector<int> InternalPointResultsList::columnWidths() const
{
    std::vector<int> widths(kInternalPointResultHeaders.size(), kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

} // namespace zorind
