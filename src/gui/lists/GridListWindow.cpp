#include "lists/GridListWindow.h"
#include "app/DialogButtons.h"
#include "solver/ResultLists.h"
#include "view/NumberFields.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
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
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);

    QDialogButtonBox* buttons = okCancelButtons(this, {}, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    resize(clientSize);
}

QString GridListWindow::storedNumber(float value)
{
    return QString::fromStdString(formatResultValue(value, decimalSeparator()));
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
    const std::vector<int> widths = columnWidths();
    for (std::size_t c = 0; c < widths.size(); ++c) {
        grid_->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void GridListWindow::showEvent(QShowEvent* event)
{
    rebuild();
    QDialog::showEvent(event);
}

} // namespace zorind
