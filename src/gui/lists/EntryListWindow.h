#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace zorind {

// The pattern shared by the modal text-list windows: a heading at the top
// left, the list below it, "OK" at the bottom right and, in the lists that
// can make an entry current, "Ustal jako aktualny" at the bottom left. The
// entries are rebuilt every time the window is shown, so each opening shows
// the Project as it is now, every entry once, and the window widens, as far
// as the screen allows, to show the heading and every entry whole; its
// designed size is its least. "Kopiuj" (Ctrl+C, or the list's context menu)
// copies the selected entries, or all of them, for a spreadsheet.
class EntryListWindow : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        int number = 0; // the model number the entry names
        QString text;
        // The entry's fields as copied (ListRow::copied), one column each;
        // empty: the text is the only column.
        QStringList cells;
    };

    EntryListWindow(const QString& objectName, const QString& title, const QString& heading, QSize clientSize,
                    QSize listSize, bool withMakeCurrent, QWidget* parent);

    QListWidget* list() const { return list_; }
    QLabel* heading() const { return heading_; }
    // "Ustal jako aktualny", or nullptr.
    QPushButton* makeCurrentButton() const { return makeCurrent_; }
    // Refills the list from the Project.
    void rebuild();
    // The model number of the selected entry; 0 when none is selected.
    int selectedNumber() const;
    // What "Kopiuj" puts on the clipboard: the column headings and the
    // selected entries (every entry when none is), tab-separated.
    QString copiedText() const;

signals:
    // Stored into the model while staying open.
    void stored();

protected:
    virtual std::vector<Entry> entries() const = 0;
    // The headings of the entries' cells; the heading above the list by
    // default.
    virtual QStringList columnHeadings() const;
    // "Ustal jako aktualny" for the entry naming `number` (0: none chosen).
    virtual void makeCurrent(int /*number*/) {}

    void showEvent(QShowEvent* event) override;

private:
    QLabel* heading_;
    QListWidget* list_;
    QPushButton* makeCurrent_ = nullptr;
    QSize designedSize_;
    std::vector<int> numbers_;
    std::vector<QStringList> cells_;
};

} // namespace zorind
