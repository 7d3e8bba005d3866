#include "lists/Tl_ele.h"

#include "lists/ListCopy.h"
#include "lists/ListRows.h"

namespace zorind {

Tl_ele::Tl_ele(const Project& project, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_ele"), QString::fromUtf8(kElementListTitle),
                      QString::fromUtf8(kElementListHeading), QSize(295, 348), QSize(277, 285), false, parent),
      project_(project)
{
}

std::vector<EntryListWindow::Entry> Tl_ele::entries() const
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

QStringList Tl_ele::columnHeadings() const
{
    return qtCells(elementListColumns(project_).headings);
}

} // namespace zorind
