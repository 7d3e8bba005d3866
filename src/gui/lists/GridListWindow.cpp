#include "lists/GridListWindow.h"
#include "lists/ListCopy.h"
#include "lists/TabSeparated.h"
#include "model/NumberFormat.h"
#include "solver/ResultLists.h"
#include "widgets/DialogButtons.h"
#include "widgets/NumberFields.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorind {

GridListWindow::GridListWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent)
    : QDialog(parent), grid_(new QTableWidget(this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setVisible(false);
    grid_->horizontalHeader()->setMinimumSectionSize(8);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(18);
    // Several rows may be selected for copying; the grid stays read-only.
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addCopyCommand(this, grid_, [this] { return copiedText(); });
    // A number is read whole or not at all: no wrapping (which cut every
    // value with one digit before the point to "d....") and no eliding.
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideNone);

    QDialogButtonBox* buttons = okCancelButtons(this, {}, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    resize(clientSize);
}

QString GridListWindow::storedNumber(float value)
{
    return QString::fromStdString(displayNumber(value, decimalSeparator()));
}

void GridListWindow::rebuild()
{
    const QStringList head = header();
    const std::vector<QStringList> body = rows();
    grid_->clearContents();
    grid_->setColumnCount(static_cast<int>(head.size()));
    grid_->setRowCount(static_cast<int>(body.size()) + 1);
    auto put = [this](int row, int column, const QString& text, bool fixed) {
        auto* item = new QTableWidgetItem(text);
        if (fixed) {
            item->setBackground(palette().button());
        }
        grid_->setItem(row, column, item);
    };
    for (int c = 0; c < head.size(); ++c) {
        put(0, c, head[c], true);
    }
    for (std::size_t r = 0; r < body.size(); ++r) {
        const QStringList& cells = body[r];
        for (int c = 0; c < cells.size() && c < head.size(); ++c) {
            put(static_cast<int>(r) + 1, c, cells[c], c == 0);
        }
    }
    // The window's widths are the least a column gets; a column grows to
    // its widest text, header and exponents included.
    const std::vector<int> widths = columnWidths();
    const int defaultWidth = grid_->horizontalHeader()->defaultSectionSize();
    int total = 0;
    for (int c = 0; c < grid_->columnCount(); ++c) {
        const auto index = static_cast<std::size_t>(c);
        const int least = index < widths.size() ? widths[index] : defaultWidth;
        grid_->resizeColumnToContents(c);
        grid_->setColumnWidth(c, std::max(least, grid_->columnWidth(c)));
        total += grid_->columnWidth(c);
    }
    // Widen the window, as far as the screen allows, so that every column
    // shows without scrolling sideways.
    const int chrome = width() - grid_->viewport()->width();
    const int wanted = total + chrome + grid_->verticalScrollBar()->sizeHint().width();
    const int room = screen() != nullptr ? screen()->availableGeometry().width() : wanted;
    if (width() < wanted) {
        resize(std::min(wanted, room), height());
    }
}

QString GridListWindow::copiedText() const
{
    const auto rowCells = [this](int row) {
        QStringList cells;
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const QTableWidgetItem* item = grid_->item(row, c);
            cells << (item != nullptr ? item->text() : QString());
        }
        return cells;
    };
    // The first grid row is the header, copied always and once.
    std::vector<QStringList> body;
    for (int r : rowsToCopy(selectedRows(grid_), 1, grid_->rowCount() - 1)) {
        body.push_back(rowCells(r));
    }
    return tabSeparatedCells(rowCells(0), body);
}

void GridListWindow::showEvent(QShowEvent* event)
{
    rebuild();
    QDialog::showEvent(event);
}

} // namespace zorind
