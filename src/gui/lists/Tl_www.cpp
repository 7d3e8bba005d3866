#include "lists/Tl_www.h"

namespace zorind {

Tl_www::Tl_www(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_www"), QStringLiteral("Temperatury w węzłach wewnętrznych"), QSize(192, 376),
                     parent),
      project_(project)
{
}

QStringList Tl_www::header() const
{
    return {QStringLiteral("Nr węzła"), QStringLiteral("Temperatura")};
}

std::vector<QStringList> Tl_www::rows() const
{
    std::vector<QStringList> out;
    for (int i = 1; i <= project_.internalPointCount; ++i) {
        out.push_back({QString::number(i), storedNumber(project_.internalPoints[i].internalResult)});
    }
    return out;
}

} // namespace zorind
