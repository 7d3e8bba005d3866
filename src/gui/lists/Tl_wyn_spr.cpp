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

QStringList Tl_wyn_spr::header() const
{
    QStringList out;
    for (const char* cell : kElasticityResultHeaders) {
        out << QString::fromUtf8(cell);
    }
    return out;
}

std::vector<QStringList> Tl_wyn_spr::rows() const
{
    std::vector<QStringList> out;
    for (const auto& row : elasticityResultRows(project_, decimalSeparator())) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells << QString::fromStdString(cell);
        }
        out.push_back(cells);
    }
    return out;
}

std::vector<int> Tl_wyn_spr::columnWidths() const
{
    std::vector<int> widths(kElasticityResultHeaders.size(), kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

} // namespace zorind
