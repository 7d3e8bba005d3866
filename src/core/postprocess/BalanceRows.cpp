#include "core/postprocess/BalanceRows.h"

#include <string>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

// A value shown with six significant digits and copied with nine.
void addNumber(ListRow& row, double value, char decimalSeparator)
{
    std::string shown = formatGeneral(value, 6);
    dropSignOfZero(shown);
    for (char& c : shown) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    row.shown.push_back(shown);
    row.copied.push_back(formatGeneral(value, 9));
}

ListRow groupRow(const std::string& name, const BalanceGroup& g, bool elasticity, char separator)
{
    ListRow row;
    row.text(name + ' ' + std::to_string(g.number)).text(std::to_string(g.elements));
    addNumber(row, g.length, separator);
    if (elasticity) {
        addNumber(row, g.force[0], separator);
        addNumber(row, g.force[1], separator);
        addNumber(row, g.moment, separator);
    } else {
        addNumber(row, g.flux, separator);
        addNumber(row, g.minPotential, separator);
        addNumber(row, g.maxPotential, separator);
        addNumber(row, g.meanPotential, separator);
    }
    return row;
}

// The sum over the boundaries: elements, length and the integrals.
ListRow sumRow(const Balance& b, char separator)
{
    int elements = 0;
    double length = 0.0;
    for (const BalanceGroup& g : b.boundaries) {
        elements += g.elements;
        length += g.length;
    }
    ListRow row;
    row.text("Suma").text(std::to_string(elements));
    addNumber(row, length, separator);
    if (b.elasticity) {
        addNumber(row, b.totalForce[0], separator);
        addNumber(row, b.totalForce[1], separator);
        addNumber(row, b.totalMoment, separator);
    } else {
        addNumber(row, b.totalFlux, separator);
        row.text("").text("").text("");
    }
    return row;
}

// A row of one value in the first column of the integrals.
ListRow valueRow(const std::string& name, double value, int cells, char separator)
{
    ListRow row;
    row.text(name).text("").text("");
    addNumber(row, value, separator);
    while (static_cast<int>(row.shown.size()) < cells) {
        row.text("");
    }
    return row;
}

} // namespace

ListColumns balanceColumns(const Balance& b, char separator)
{
    ListColumns table;
    table.headings = b.elasticity ? std::vector<std::string>{"Brzeg / warunek", "Elementy", "Długość", "Siła X",
                                                             "Siła Y", "Moment"}
                                  : std::vector<std::string>{"Brzeg / warunek", "Elementy", "Długość", "Strumień",
                                                             "Pot. min.", "Pot. maks.", "Pot. średni"};
    const int cells = static_cast<int>(table.headings.size());
    for (const BalanceGroup& g : b.boundaries) {
        table.rows.push_back(groupRow("Brzeg", g, b.elasticity, separator));
    }
    for (const BalanceGroup& g : b.conditions) {
        table.rows.push_back(groupRow("Warunek", g, b.elasticity, separator));
    }
    table.rows.push_back(sumRow(b, separator));
    table.rows.push_back(valueRow("Niezbilansowanie", b.imbalance, cells, separator));
    if (b.elasticity && b.largestStress.node > 0) {
        table.rows.push_back(valueRow("Największe naprężenie zredukowane (węzeł " +
                                          std::to_string(b.largestStress.node) + ")",
                                      b.largestStress.value, cells, separator));
    }
    return table;
}

} // namespace zorind
