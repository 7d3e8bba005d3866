#include "lists/Tl_wb.h"

#include "lists/ListCopy.h"
#include "lists/ListRows.h"
#include "widgets/NumberFields.h"

namespace zorind {

Tl_wb::Tl_wb(Project& project, Interaction& ui, QWidget* parent)
    : EntryListWindow(QStringLiteral("Tl_wb"), QString::fromUtf8(kConditionListTitle),
                      QString::fromUtf8(kConditionListHeading), QSize(280, 348), QSize(261, 285), true, parent),
      project_(project), ui_(&ui)
{
}

std::vector<EntryListWindow::Entry> Tl_wb::entries() const
{
    std::vector<Entry> out;
    const ListColumns table = conditionListColumns(project_, decimalSeparator());
    std::size_t k = 0;
    for (const NumberedEntry& entry : conditionListEntries(project_, decimalSeparator())) {
        out.push_back({entry.number, QString::fromStdString(entry.text), qtCells(table.rows[k++].copied)});
    }
    return out;
}

QStringList Tl_wb::columnHeadings() const
{
    return qtCells(conditionListColumns(project_, decimalSeparator()).headings);
}

void Tl_wb::makeCurrent(int number)
{
    chooseCurrentCondition(project_, *ui_, number);
}

} // namespace zorind
