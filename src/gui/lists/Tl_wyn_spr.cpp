#include "lists/Tl_wyn_spr.h"

#include <QHeaderView>
#include <QTableWidget>

#include "exchange/ElasticityResults.h"
#include "solver/ResultLists.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wyn_spr::Tl_wyn_spr(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn_spr"), QString::fromUtf8(kResultListTitle), QSize(576, 405), parent),
      project_(project)
{
    grid()->horizontalHeader()->setDefaultSectionSize(kElasticityGridDefaultWidth);
}

ListColumns Tl_wyn_spr::table() const
{
    return elasticityResultColumns(project_, decimalSeparator());
}

std::vector<int> Tl_wyn_spr::columnWidths() const
{
    std::vector<int> widths(kElasticityResultHeaders.size(), kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

} // namespace zorind
