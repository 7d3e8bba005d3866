#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "core/lists/ListColumns.h"

class QTableView;
class QTableWidget;

namespace zorind {

// The pattern shared by the modal grid windows: a grid of the rows produced
// from the Project under a heading row, and "OK" at the bottom right. The
// heading row and the number column (column 0) stay in place while the rest
// scrolls. The grid is rebuilt every time the window is shown, so it always
// shows what the Project holds now, and the window widens, as far as the
// screen allows, to show every column; its designed size is its least.
// "Kopiuj" (Ctrl+C, or the grid's context menu) copies the selected rows, or
// all of them, for a spreadsheet.
class GridListWindow : public QDialog {
    Q_OBJECT
public:
    GridListWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent);

    // The rows; the headings are the grid's horizontal header.
    QTableWidget* grid() const { return grid_; }
    // The number column held at the left edge of the grid: a view of the
    // grid's own column 0 that scrolls up and down with it only.
    QTableView* numberColumn() const;
    // Refills the grid from the Project.
    void rebuild();
    // What "Kopiuj" puts on the clipboard: the headings and the rows with a
    // selected cell (every row when none is), tab-separated, each value as
    // stored.
    QString copiedText() const;

protected:
    // The headings and the rows, each cell as shown and as copied.
    virtual ListColumns table() const = 0;
    // The least width of each column.
    virtual std::vector<int> columnWidths() const = 0;

    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* grid_;
    QSize designedSize_;
    QStringList headings_;
    std::vector<QStringList> copied_;
};

} // namespace zorind
