#include "gui/lists/ElementList.h"

#include "core/lists/ListRows.h"
#include "gui/lists/ListCopy.h"

namespace zorind {

ElementList::ElementList(const Project& project, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_ele"), QString::fromUtf8(kElementListTitle),
                      QString::fromUtf8(kElementListHeading), QSize(295, 348), QSize(277, 285), false, parent),
      project_(project)
{
}

std::vector<EntryListWindow::Entry> ElementList::entries() const
{
    std::vector<Entry> out;
    const ListColumns table = elementListColumns(project_);
    int k = 0;
    for (const std::string& text : elementListEntries(project_)) {
        out.push_back({k + 1, QString::fromStdString(text), qtCells(table.rows[static_cast<std::size_t>(k)].copied)});
        ++k;
    }
    return out;
}

QStringList ElementList::columnHeadings() const
{
    return qtCells(elementListColumns(project_).headings);
}

} // namespace zorind
