#include "gui/lists/EntryListWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/lists/ListRows.h"
#include "core/lists/TabSeparated.h"
#include "gui/lists/ListCopy.h"
#include "gui/lists/ListWindowSize.h"

namespace zorind {

EntryListWindow::EntryListWindow(const QString& objectName, const QString& title, const QString& heading,
                                 QSize clientSize, QSize listSize, bool withMakeCurrent, QWidget* parent)
    : QDialog(parent), heading_(new QLabel(heading, this)), list_(new QListWidget(this)), designedSize_(clientSize)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setAccessibleName(title);
    // "Ustal jako aktualny" names one entry; lists without it let several
    // be selected for copying.
    list_->setSelectionMode(withMakeCurrent ? QAbstractItemView::SingleSelection
                                            : QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    // An entry is read whole: a window too narrow for it scrolls sideways
    // rather than cutting it short with "…".
    list_->setTextElideMode(Qt::ElideNone);
    list_->setMinimumWidth(listSize.width());
    heading_->setBuddy(list_);
    addCopyCommand(this, list_, [this] { return copiedText(); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    if (withMakeCurrent) {
        makeCurrent_ = new QPushButton(QString::fromUtf8(kMakeCurrentButton), this);
        makeCurrent_->setObjectName(QStringLiteral("Button2"));
        makeCurrent_->setAutoDefault(false);
        connect(makeCurrent_, &QPushButton::clicked, this, [this] {
            makeCurrent(selectedNumber());
            emit stored();
        });
        buttons->addWidget(makeCurrent_);
    }
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setMinimumSize(clientSize);
    resize(clientSize);
}

void EntryListWindow::rebuild()
{
    list_->clear();
    numbers_.clear();
    cells_.clear();
    for (const Entry& entry : entries()) {
        new QListWidgetItem(entry.text, list_);
        numbers_.push_back(entry.number);
        cells_.push_back(entry.cells.isEmpty() ? QStringList{entry.text} : entry.cells);
    }
    // Entries 16 pixels high, or as high as the font needs, and all as wide
    // as the widest (the list takes every entry to be the size of the first).
    const int width = list_->sizeHintForColumn(0);
    const int height = std::max(16, list_->fontMetrics().height());
    for (int r = 0; r < list_->count(); ++r) {
        list_->item(r)->setSizeHint(QSize(width, height));
    }

    const QMargins margins = layout()->contentsMargins();
    const int listWidth = width + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    const int contentWidth = std::max(
        {listWidth, heading_->sizeHint().width(), layout()->minimumSize().width() - margins.left() - margins.right()});
    fitListWindow(this, designedSize_, QSize(contentWidth + margins.left() + margins.right(), designedSize_.height()));
}

int EntryListWindow::selectedNumber() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        return 0;
    }
    const int row = list_->row(selected.front());
    return row >= 0 && row < static_cast<int>(numbers_.size()) ? numbers_[static_cast<std::size_t>(row)] : 0;
}

QStringList EntryListWindow::columnHeadings() const
{
    return {heading_->text()};
}

QString EntryListWindow::copiedText() const
{
    std::vector<QStringList> body;
    for (int r : rowsToCopy(selectedRows(list_), static_cast<int>(cells_.size()))) {
        body.push_back(cells_[static_cast<std::size_t>(r)]);
    }
    return tabSeparatedCells(columnHeadings(), body);
}

void EntryListWindow::showEvent(QShowEvent* event)
{
    rebuild();
    QDialog::showEvent(event);
}

} // namespace zorind
