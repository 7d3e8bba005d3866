#include "gui/lists/ListCopy.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>
#include <string>

#include "core/lists/TabSeparated.h"

namespace zorind {

namespace {

std::vector<std::string> utf8(const QStringList& cells)
{
    std::vector<std::string> out;
    for (const QString& cell : cells) {
        out.push_back(cell.toStdString());
    }
    return out;
}

// Hands the view's Ctrl+C, which the view takes for itself before any
// shortcut sees it, to the window's "Kopiuj".
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(QAction* copy, QObject* parent) : QObject(parent), copy_(copy) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy_->trigger();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* copy_;
};

} // namespace

QStringList qtCells(const std::vector<std::string>& cells)
{
    QStringList out;
    for (const std::string& cell : cells) {
        out << QString::fromStdString(cell);
    }
    return out;
}

QString tabSeparatedCells(const QStringList& headings, const std::vector<QStringList>& rows)
{
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : rows) {
        cells.push_back(utf8(row));
    }
    return QString::fromStdString(tabSeparatedText(utf8(headings), cells));
}

void addCopyCommand(QDialog* window, QAbstractItemView* view, std::function<QString()> text)
{
    auto* copy = new QAction(QStringLiteral("Kopiuj"), window);
    copy->setObjectName(QStringLiteral("Kopiuj"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, window, [text = std::move(text)] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(text());
        }
    });
    window->addAction(copy);
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->installEventFilter(new CopyKeyFilter(copy, view));
}

std::vector<int> selectedRows(const QAbstractItemView* view)
{
    std::vector<int> rows;
    if (view->selectionModel() == nullptr) {
        return rows;
    }
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace zorind
