#include "gui/lists/BoundaryList.h"

#include "core/lists/ListRows.h"
#include "gui/lists/ListCopy.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

BoundaryList::BoundaryList(Project& project, Interaction& ui, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_brz"), QString::fromUtf8(kBoundaryListTitle),
                      QString::fromUtf8(kBoundaryListHeading), QSize(280, 348), QSize(261, 285), true, parent),
      project_(project), ui_(&ui)
{
}

std::vector<EntryListWindow::Entry> BoundaryList::entries() const
{
    std::vector<Entry> out;
    const ListColumns table = boundaryListColumns(project_);
    std::size_t k = 0;
    for (const NumberedEntry& entry : boundaryListEntries(project_)) {
        out.push_back({entry.number, QString::fromStdString(entry.text), qtCells(table.rows[k++].copied)});
    }
    return out;
}

QStringList BoundaryList::columnHeadings() const
{
    return qtCells(boundaryListColumns(project_).headings);
}

void BoundaryList::makeCurrent(int number)
{
    chooseCurrentBoundary(project_, *ui_, number);
}

} // namespace zorind
