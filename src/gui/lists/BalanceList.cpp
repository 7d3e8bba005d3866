#include "gui/lists/BalanceList.h"

#include <QTableWidget>
#include <algorithm>

#include "core/postprocess/Balance.h"
#include "core/postprocess/BalanceRows.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

ListColumns balanceTable(const Project& project)
{
    const std::optional<Balance> balance = computeBalance(project);
    return balance ? balanceColumns(*balance, decimalSeparator()) : ListColumns{};
}

// The grid widens each column to its contents; these are the least widths.
std::vector<int> balanceWidths(const GridListWindow& window)
{
    std::vector<int> widths(static_cast<std::size_t>(std::max(window.grid()->columnCount(), 2)), 90);
    widths[0] = 160;
    widths[1] = 70;
    return widths;
}

} // namespace

const GridListSpec kBalanceListSpec{"Bilans",
                                    kBalanceTitle,
                                    QSize(640, 300),
                                    balanceTable,
                                    balanceWidths,
                                    [](GridListWindow& window) {
                                        window.grid()->setAccessibleName(window.windowTitle());
                                    }};

} // namespace zorind
