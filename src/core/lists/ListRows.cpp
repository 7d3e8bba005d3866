#include "core/lists/ListRows.h"

#include <algorithm>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

template <class Points> ListColumns pointColumns(const Points& points, char decimalSeparator)
{
    ListColumns table{{kPointListHeaders.begin(), kPointListHeaders.end()}, {}};
    for (int k : points.numbers()) {
        const float x = points[k].x;
        const float y = points[k].y;
        table.rows.push_back(ListRow{}
                                 .text(std::to_string(k))
                                 .value(displayNumber(x, decimalSeparator), x)
                                 .value(displayNumber(y, decimalSeparator), y));
    }
    return table;
}

// Thermoelasticity has no condition dialog of its own and reads its
// conditions as elasticity does.
bool hasElasticityConditions(int analysisType)
{
    return analysisType == Elasticity || analysisType == Thermoelasticity;
}

// The name of a condition's kind in the list, or nullptr when the analysis
// has no such kind.
const char* conditionKindName(int analysisType, float kind)
{
    if (isPotentialAnalysis(analysisType)) {
        if (kind == 1.0f) {
            return "temperatura";
        }
        if (kind == 2.0f) {
            return "strumień";
        }
        if (kind == 3.0f) {
            return "konwekcja";
        }
    } else if (hasElasticityConditions(analysisType)) {
        if (kind == 1.0f) {
            return "obciążenie ciągłe";
        }
        if (kind == 2.0f) {
            return "przemieszczenie";
        }
    }
    return nullptr;
}

} // namespace

ListColumns nodeListColumns(const Project& project, char decimalSeparator)
{
    return pointColumns(project.nodes, decimalSeparator);
}

ListColumns internalPointListColumns(const Project& project, char decimalSeparator)
{
    return pointColumns(project.internalPoints, decimalSeparator);
}

ListColumns elementListColumns(const Project& project)
{
    ListColumns table{{"Nr elementu", "Węzeł 1", "Węzeł 2", "Nr war. brzegowego", "Nr brzegu"}, {}};
    for (int k : project.elements.numbers()) {
        const Element& e = project.elements[k];
        table.rows.push_back(ListRow{}
                                 .text(std::to_string(k))
                                 .text(std::to_string(e.startNode))
                                 .text(std::to_string(e.endNode))
                                 .text(std::to_string(e.condition))
                                 .text(std::to_string(e.boundary)));
    }
    return table;
}

std::vector<std::string> elementListEntries(const Project& project)
{
    std::vector<std::string> entries;
    for (const ListRow& row : elementListColumns(project).rows) {
        const std::vector<std::string>& cells = row.shown;
        entries.push_back(cells[0] + " - " + cells[1] + ", " + cells[2] + ", " + cells[3] + ", " + cells[4]);
    }
    return entries;
}

ListColumns boundaryListColumns(const Project& project)
{
    ListColumns table{{"Nr brzegu", "Typ"}, {}};
    for (int k : project.boundaries.numbers()) {
        const bool outer = project.boundaries[k].kind == OuterBoundary;
        table.rows.push_back(ListRow{}.text(std::to_string(k)).text(outer ? "zewnętrzny" : "wewnętrzny"));
    }
    return table;
}

std::vector<NumberedEntry> boundaryListEntries(const Project& project)
{
    std::vector<NumberedEntry> entries;
    for (const ListRow& row : boundaryListColumns(project).rows) {
        const std::vector<std::string>& cells = row.shown;
        entries.push_back({std::stoi(cells[0]), cells[0] + " - " + cells[1] + " "});
    }
    return entries;
}

ListColumns conditionListColumns(const Project& project, char decimalSeparator)
{
    const bool elasticity = hasElasticityConditions(project.analysisType);
    ListColumns table{{"Nr warunku", "Typ warunku"}, {}};
    for (const char* place : {"węzeł 1", "środek", "węzeł 2"}) {
        table.headings.push_back(std::string("Wartość, ") + place + (elasticity ? ", x" : ""));
    }
    if (elasticity) {
        for (const char* place : {"węzeł 1", "środek", "węzeł 2"}) {
            table.headings.push_back(std::string("Wartość, ") + place + ", y");
        }
    }
    for (int k : project.conditions.numbers()) {
        const BoundaryCondition& c = project.conditions[k];
        const char* name = conditionKindName(project.analysisType, c.kind);
        if (name == nullptr) {
            continue;
        }
        ListRow row;
        row.text(std::to_string(k)).text(name);
        for (float v : {c.atNode1, c.atMiddle, c.atNode2}) {
            row.value(displayNumber(v, decimalSeparator), v);
        }
        if (elasticity) {
            for (float v : {c.atNode1Y, c.atMiddleY, c.atNode2Y}) {
                row.value(displayNumber(v, decimalSeparator), v);
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<NumberedEntry> conditionListEntries(const Project& project, char decimalSeparator)
{
    std::vector<NumberedEntry> entries;
    for (const ListRow& row : conditionListColumns(project, decimalSeparator).rows) {
        const std::vector<std::string>& cells = row.shown;
        std::string text = cells[0] + " - " + cells[1] + " :";
        for (std::size_t i = 2; i < cells.size(); ++i) {
            text += ' ' + cells[i];
        }
        entries.push_back({std::stoi(cells[0]), std::move(text)});
    }
    return entries;
}

bool chooseCurrentBoundary(Project& project, Interaction& ui, int number)
{
    if (number < 1) {
        return false;
    }
    if (!ui.ask("Czy brzeg " + std::to_string(number) + " wybrać jako aktualny", "Ustalanie aktualnego brzegu")) {
        return false;
    }
    project.currentBoundary = number;
    return true;
}

bool chooseCurrentCondition(Project& project, Interaction& ui, int number)
{
    if (number < 1) {
        return false;
    }
    if (!ui.ask("Czy warunek brzegowy " + std::to_string(number) + " wybrać jako aktualny",
                "Ustalanie aktualnego war. brzegowego")) {
        return false;
    }
    project.currentCondition = number;
    return true;
}

} // namespace zorind
