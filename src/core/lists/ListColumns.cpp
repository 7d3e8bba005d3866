#include "core/lists/ListColumns.h"

#include "core/model/NumberFormat.h"

namespace zorind {

std::string copiedNumber(float value)
{
    return formatGeneral(static_cast<double>(value), 9);
}

ListRow& ListRow::text(const std::string& cell)
{
    shown.push_back(cell);
    copied.push_back(cell);
    return *this;
}

ListRow& ListRow::value(const std::string& shownText, float stored)
{
    shown.push_back(shownText);
    copied.push_back(copiedNumber(stored));
    return *this;
}

} // namespace zorind
