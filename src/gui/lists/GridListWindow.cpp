#include "gui/lists/GridListWindow.h"
#include "core/lists/TabSeparated.h"
#include "gui/lists/ListCopy.h"
#include "gui/lists/ListWindowSize.h"
#include "gui/widgets/DialogButtons.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorind {

namespace {

constexpr int kRowHeight = 18;

void readOnlyLook(QTableView* view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several rows may be selected for copying.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A number is read whole or not at all: no wrapping (which cut every
    // value with one digit before the point to "d....") and no eliding.
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* heading = view->horizontalHeader();
    heading->setMinimumSectionSize(8);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setHighlightSections(false);
    heading->setSectionsClickable(false);
}

// The grid, with a second view of its own cells laid over its left edge
// that shows column 0 only and follows the grid up and down but never
// sideways: the numbers stay in sight however far the values scroll. The
// grid scrolls sideways by pixels, so that no column can hide whole under
// the number column.
class NumberedGrid : public QTableWidget {
public:
    explicit NumberedGrid(QWidget* parent) : QTableWidget(parent), numbers_(new QTableView(this))
    {
        readOnlyLook(this);
        setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

        numbers_->setObjectName(QStringLiteral("numbers"));
        readOnlyLook(numbers_);
        numbers_->setModel(model());
        numbers_->setSelectionModel(selectionModel());
        numbers_->setFocusPolicy(Qt::NoFocus);
        numbers_->setFrameShape(QFrame::NoFrame);
        numbers_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        numbers_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        numbers_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        numbers_->raise();

        connect(verticalScrollBar(), &QScrollBar::valueChanged, numbers_->verticalScrollBar(), &QScrollBar::setValue);
        connect(numbers_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
            if (column == 0) {
                follow();
            }
        });
        connect(verticalHeader(), &QHeaderView::sectionResized, this,
                [this](int row, int, int height) { numbers_->setRowHeight(row, height); });
    }

    QTableView* numbers() const { return numbers_; }

    // Shows column 0 alone, as wide as the grid's, over the grid's left edge.
    void follow()
    {
        for (int c = 0; c < columnCount(); ++c) {
            numbers_->setColumnHidden(c, c > 0);
        }
        if (columnCount() > 0) {
            numbers_->setColumnWidth(0, columnWidth(0));
        }
        numbers_->setVisible(columnCount() > 0);
        // Level with the grid's own heading and rows, over the grid's left
        // edge from the top of the heading to the bottom of the rows.
        const int heading = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
        numbers_->horizontalHeader()->setFixedHeight(heading);
        const int top = frameWidth();
        numbers_->setGeometry(viewport()->x(), top, columnCount() > 0 ? columnWidth(0) : 0,
                              viewport()->y() - top + viewport()->height());
        numbers_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    }

    // Brings a cell into sight clear of the number column; a number cell
    // moves the rows only.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override
    {
        const int sideways = horizontalScrollBar()->value();
        QTableWidget::scrollTo(index, hint);
        if (index.column() == 0) {
            horizontalScrollBar()->setValue(sideways);
            return;
        }
        const int hidden = columnWidth(0) - visualRect(index).left();
        if (hidden > 0) {
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
        }
    }

protected:
    void updateGeometries() override
    {
        QTableWidget::updateGeometries();
        follow();
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QTableWidget::resizeEvent(event);
        follow();
    }

private:
    QTableView* numbers_;
};

} // namespace

GridListWindow::GridListWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent)
    : QDialog(parent), grid_(new NumberedGrid(this)), designedSize_(clientSize)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    grid_->setObjectName(QStringLiteral("grid"));
    addCopyCommand(this, grid_, [this] { return copiedText(); });
    // The number column's context menu is the grid's.
    numberColumn()->addActions(grid_->actions());
    numberColumn()->setContextMenuPolicy(Qt::ActionsContextMenu);

    QDialogButtonBox* buttons = okCancelButtons(this, {}, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    setMinimumSize(clientSize);
    resize(clientSize);
}

QTableView* GridListWindow::numberColumn() const
{
    return static_cast<NumberedGrid*>(grid_)->numbers();
}

void GridListWindow::rebuild()
{
    const ListColumns list = table();
    headings_ = qtCells(list.headings);
    copied_.clear();
    grid_->clearContents();
    grid_->setColumnCount(static_cast<int>(headings_.size()));
    grid_->setRowCount(static_cast<int>(list.rows.size()));
    grid_->setHorizontalHeaderLabels(headings_);
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const std::vector<std::string>& cells = list.rows[r].shown;
        for (std::size_t c = 0; c < cells.size() && c < static_cast<std::size_t>(headings_.size()); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c == 0) {
                item->setBackground(palette().button());
            }
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
        copied_.push_back(qtCells(list.rows[r].copied));
    }
    // The window's widths are the least a column gets; a column grows to
    // its widest text, heading and exponents included.
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
    static_cast<NumberedGrid*>(grid_)->follow();

    // Wide enough for every column beside the vertical scroll bar.
    const QMargins margins = layout()->contentsMargins();
    const int content = margins.left() + 2 * grid_->frameWidth() + total +
                        grid_->verticalScrollBar()->sizeHint().width() + margins.right();
    fitListWindow(this, designedSize_, QSize(content, designedSize_.height()));
}

QString GridListWindow::copiedText() const
{
    std::vector<QStringList> body;
    for (int r : rowsToCopy(selectedRows(grid_), static_cast<int>(copied_.size()))) {
        body.push_back(copied_[static_cast<std::size_t>(r)]);
    }
    return tabSeparatedCells(headings_, body);
}

void GridListWindow::showEvent(QShowEvent* event)
{
    rebuild();
    QDialog::showEvent(event);
}

} // namespace zorind
