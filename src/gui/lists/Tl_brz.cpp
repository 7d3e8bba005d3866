#include "lists/Tl_brz.h"

#include "lists/ListCopy.h"
#include "lists/ListRows.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_brz::Tl_brz(Project& project, Interaction& ui, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_brz"), QString::fromUtf8(kBoundaryListTitle),
                      QString::fromUtf8(kBoundaryListHeading), QSize(280, 348), QSize(261, 285), true, parent),
      project_(project), ui_(&ui)
{
}

std::vector<EntryListWindow::Entry> Tl_brz::entries() const
{
    std::vector<Entry> out;
    const ListColumns table = boundaryListColumns(project_);
    std::size_t k = 0;
    for (const NumberedEntry& entry : boundaryListEntries(project_)) {
        out.push_back({entry.number, QString::fromStdString(entry.text), qtCells(table.rows[k++].copied)});
    }
    return out;
}

QStringList Tl_brz::columnHeadings() const
{
    return qtCells(boundaryListColumns(project_).headings);
}

void Tl_brz::makeCurrent(int number)
{
    chooseCurrentBoundary(project_, *ui_, number);
}

} // namespace zorind
