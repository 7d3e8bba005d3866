#include "lists/Tl_ele.h"

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
    int k = 0;
    for (const std::string& text : elementListEntries(project_)) {
        out.push_back({++k, QString::fromStdString(text)});
    }
    return out;
}

} // namespace zorind
