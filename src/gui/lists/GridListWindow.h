#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QTableWidget;

namespace zorind {

// The pattern shared by the modal grid windows: a grid with one header row
// above the rows produced from the Project, and "OK" at the bottom right.
// The grid is rebuilt every time the window is shown, so it always shows
// what the Project holds now. "Kopiuj" (Ctrl+C, or the grid's context menu)
// copies the selected rows, or all of them, for a spreadsheet.
class GridListWindow : public QDialog {
    Q_OBJECT
public:
    GridListWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent);

    QTableWidget* grid() const { return grid_; }
    // Refills the grid from the Project.
    void rebuild();
    // What "Kopiuj" puts on the clipboard: the header row and the rows with
    // a selected cell (every row when none is), tab-separated.
    QString copiedText() const;

    // Number text of the lists: general format with up to 15 significant
    // digits of the stored float, in the user's locale.
    static QString storedNumber(float value);

protected:
    // The header cells, the rows and the column widths of the window.
    virtual QStringList header() const = 0;
    virtual std::vector<QStringList> rows() const = 0;
    virtual std::vector<int> columnWidths() const = 0;

    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* grid_;
};

} // namespace zorind
