#include "lists/Tl_wb.h"

#include "lists/ListRows.h"
#include "view/NumberFields.h"

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
    for (const NumberedEntry& entry : conditionListEntries(project_, decimalSeparator())) {
        out.push_back({entry.number, QString::fromStdString(entry.text)});
    }
    return out;
}

void Tl_wb::makeCurrent(int number)
{
    chooseCurrentCondition(project_, *ui_, number);
}

} // namespace zorind
