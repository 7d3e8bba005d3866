#include "gui/lists/ConditionList.h"

#include "core/lists/ListRows.h"
#include "gui/lists/ListCopy.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

ConditionList::ConditionList(Project& project, Interaction& ui, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_wb"), QString::fromUtf8(kConditionListTitle),
                      QString::fromUtf8(kConditionListHeading), QSize(280, 348), QSize(261, 285), true, parent),
      project_(project), ui_(&ui)
{
}

std::vector<EntryListWindow::Entry> ConditionList::entries() const
{
    std::vector<Entry> out;
    const ListColumns table = conditionListColumns(project_, decimalSeparator());
    std::size_t k = 0;
    for (const NumberedEntry& entry : conditionListEntries(project_, decimalSeparator())) {
        out.push_back({entry.number, QString::fromStdString(entry.text), qtCells(table.rows[k++].copied)});
    }
    return out;
}

QStringList ConditionList::columnHeadings() const
{
    return qtCells(conditionListColumns(project_, decimalSeparator()).headings);
}

void ConditionList::makeCurrent(int number)
{
    chooseCurrentCondition(project_, *ui_, number);
}

} // namespace zorind
