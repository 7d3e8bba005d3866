#include "gui/lists/ElasticResultsList.h"

#include <QHeaderView>
#include <QTableWidget>

#include "core/exchange/ElasticityResults.h"
#include "core/solver/ResultLists.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

ElasticResultsList::ElasticResultsList(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn_spr"), QString::fromUtf8(kResultListTitle), QSize(576, 405), parent),
      project_(project)
{
    grid()->horizontalHeader()->setDefaultSectionSize(kElasticityGridDefaultWidth);
}

ListColumns ElasticResultsList::table() const
{
    return elasticityResultColumns(project_, decimalSeparator());
}

std::vector<int> ElasticResultsList::columnWidths() const
{
    std::vector<int> widths(kElasticityResultHeaders.size(), kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

} // namespace zorind
