#include "lists/Tl_wyn_pw.h"

#include <QHeaderView>
#include <QTableWidget>

#include "exchange/ElasticityResults.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wyn_pw::Tl_wyn_pw(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn_pw"), QString::fromUtf8(kInternalPointResultsTitle), QSize(576, 405),
                     parent),
      project_(project)
{
    grid()->horizontalHeader()->setDefaultSectionSize(kElasticityGridDefaultWidth);
}

ListColumns Tl_wyn_pw::table() const
{
    return internalPointResultColumns(project_, decimalSeparator());
}

std::vector<int> Tl_wyn_pw::columnWidths() const
{
    std::vector<int> widths(kInternalPointResultHeaders.size(), kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

} // namespace zorind
