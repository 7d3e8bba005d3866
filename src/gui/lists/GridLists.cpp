#include "gui/lists/GridLists.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "core/exchange/ElasticityResults.h"
#include "core/lists/ListRows.h"
#include "core/solver/ResultLists.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

template <class Widths> std::vector<int> widthsOf(const Widths& widths)
{
    return {widths.begin(), widths.end()};
}

// The columns of a list of points. The number column is never narrower
// than the largest number, so that node 199 reads as 199 in any font.
std::vector<int> pointColumnWidths(const GridListWindow& window)
{
    std::vector<int> widths = widthsOf(kPointListColumnWidths);
    widths[0] = std::max(widths[0], window.fontMetrics().horizontalAdvance(QStringLiteral("999")) + 8);
    return widths;
}

// A number column, then value columns up to `count`.
std::vector<int> elasticityColumnWidths(std::size_t count)
{
    std::vector<int> widths(count, kElasticityValueColumnWidth);
    widths.front() = kElasticityNumberColumnWidth;
    return widths;
}

void nameGridByTitle(GridListWindow& window)
{
    window.grid()->setAccessibleName(window.windowTitle());
}

void elasticityGrid(GridListWindow& window)
{
    window.grid()->horizontalHeader()->setDefaultSectionSize(kElasticityGridDefaultWidth);
}

} // namespace

const GridListSpec kNodeListSpec{
    "Tl_wez",          kNodeListTitle,
    QSize(278, 376),   [](const Project& project) { return nodeListColumns(project, decimalSeparator()); },
    pointColumnWidths, nameGridByTitle};

const GridListSpec kInternalPointListSpec{
    "Tl_wezw",         kInternalPointListTitle,
    QSize(278, 376),   [](const Project& project) { return internalPointListColumns(project, decimalSeparator()); },
    pointColumnWidths, nameGridByTitle};

const GridListSpec kInternalPointPotentialListSpec{
    "Tl_www", kInternalResultsTitle, QSize(192, 376),
    [](const Project& project) { return internalResultColumns(project, decimalSeparator()); },
    [](const GridListWindow&) { return widthsOf(kInternalResultsColumnWidths); }};

const GridListSpec kResultsListSpec{
    "Tl_wyn", kResultListTitle, QSize(576, 405),
    [](const Project& project) { return elementResultColumns(project, decimalSeparator()); },
    [](const GridListWindow&) { return widthsOf(kResultListColumnWidths); }};

const GridListSpec kElasticResultsListSpec{
    "Tl_wyn_spr",
    kResultListTitle,
    QSize(576, 405),
    [](const Project& project) { return elasticityResultColumns(project, decimalSeparator()); },
    [](const GridListWindow&) { return elasticityColumnWidths(kElasticityResultHeaders.size()); },
    elasticityGrid};

const GridListSpec kInternalPointResultsListSpec{
    "Tl_wyn_pw",
    kInternalPointResultsTitle,
    QSize(576, 405),
    [](const Project& project) { return internalPointResultColumns(project, decimalSeparator()); },
    [](const GridListWindow&) { return elasticityColumnWidths(kInternalPointResultHeaders.size()); },
    elasticityGrid};

} // namespace zorind
