#include "lists/Tl_wyn.h"

namespace zorind {

Tl_wyn::Tl_wyn(const Project& project, QWidget* parent)
    : GridListWindow(QStringLiteral("Tl_wyn"), QStringLiteral("Lista wyników"), QSize(576, 405), parent),
      project_(project)
{
}

QStringList Tl_wyn::header() const
{
    return {QStringLiteral("Nr"),     QStringLiteral("Pot.1"),  QStringLiteral("Pot.s"), QStringLiteral("Pot.2"),
            QStringLiteral("Stru.1"), QStringLiteral("Stru.s"), QStringLiteral("Stru.2")};
}

std::vector<QStringList> Tl_wyn::rows() const
{
    std::vector<QStringList> out;
    const int count = std::min(project_.elementCount, kMaxResults);
    for (int e = 1; e <= count; ++e) {
        const ResultRecord& potential = project_.elementResults[e];
        const ResultRecord& flux = project_.fluxResults[e];
        out.push_back({QString::number(e), storedNumber(potential.slot[1]), storedNumber(potential.slot[2]),
                       storedNumber(potential.slot[3]), storedNumber(flux.slot[1]), storedNumber(flux.slot[2]),
                       storedNumber(flux.slot[3])});
    }
    return out;
}

} // namespace zorind
