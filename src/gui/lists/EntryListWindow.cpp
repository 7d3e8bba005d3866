#include "lists/EntryListWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "lists/ListCopy.h"
#include "lists/TabSeparated.h"
#include "lists/ListRows.h"

namespace zorind {

EntryListWindow::EntryListWindow(const QString& objectName, const QString& title, const QString& heading,
                                 QSize clientSize, QSize listSize, bool withMakeCurrent, QWidget* parent)
    : QDialog(parent), heading_(new QLabel(heading, this)), list_(new QListWidget(this))
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
    list_->setFixedSize(listSize);
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
    layout->addWidget(list_);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(clientSize);
}

void EntryListWindow::rebuild()
{
    list_->clear();
    numbers_.clear();
    cells_.clear();
    // Entries 16 pixels high, or as high as the font needs.
    const int height = std::max(16, list_->fontMetrics().height());
    for (const Entry& entry : entries()) {
        auto* item = new QListWidgetItem(entry.text, list_);
        item->setSizeHint(QSize(0, height));
        numbers_.push_back(entry.number);
        cells_.push_back(entry.cells.isEmpty() ? QStringList{entry.text} : entry.cells);
    }
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
    for (int r : rowsToCopy(selectedRows(list_), 0, static_cast<int>(cells_.size()) - 1)) {
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
