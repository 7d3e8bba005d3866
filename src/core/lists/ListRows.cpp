#include "lists/ListRows.h"

#include <algorithm>

#include "model/NumberFormat.h"

namespace zorind {

std::string listNumber(float value, char decimalSeparator)
{
    std::string text = formatGeneral(static_cast<double>(value), 15);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

namespace {

template <class Points> std::vector<std::array<std::string, 3>> pointRows(const Points& points, char decimalSeparator)
{
    std::vector<std::array<std::string, 3>> rows;
    for (int k : points.numbers()) {
        rows.push_back(
            {std::to_string(k), listNumber(points[k].x, decimalSeparator), listNumber(points[k].y, decimalSeparator)});
    }
    return rows;
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
    } else if (analysisType == Elasticity) {
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

std::vector<std::array<std::string, 3>> nodeListRows(const Project& project, char decimalSeparator)
{
    return pointRows(project.nodes, decimalSeparator);
}

std::vector<std::array<std::string, 3>> internalPointListRows(const Project& project, char decimalSeparator)
{
    return pointRows(project.internalPoints, decimalSeparator);
}

std::vector<std::string> elementListEntries(const Project& project)
{
    std::vector<std::string> entries;
    for (int k : project.elements.numbers()) {
        const Element& e = project.elements[k];
        entries.push_back(std::to_string(k) + " - " + std::to_string(e.startNode) + ", " + std::to_string(e.endNode) +
                          ", " + std::to_string(e.condition) + ", " + std::to_string(e.boundary));
    }
    return entries;
}

std::vector<NumberedEntry> boundaryListEntries(const Project& project)
{
    std::vector<NumberedEntry> entries;
    for (int k : project.boundaries.numbers()) {
        const bool outer = project.boundaries[k].kind == OuterBoundary;
        entries.push_back({k, std::to_string(k) + (outer ? " - zewnętrzny " : " - wewnętrzny ")});
    }
    return entries;
}

std::vector<NumberedEntry> conditionListEntries(const Project& project, char decimalSeparator)
{
    std::vector<NumberedEntry> entries;
    const bool elasticity = project.analysisType == Elasticity;
    for (int k : project.conditions.numbers()) {
        const BoundaryCondition& c = project.conditions[k];
        const char* name = conditionKindName(project.analysisType, c.kind);
        if (name == nullptr) {
            continue;
        }
        std::string text = std::to_string(k) + " - " + name + " :";
        const float xs[] = {c.atNode1, c.atMiddle, c.atNode2};
        const float ys[] = {c.atNode1Y, c.atMiddleY, c.atNode2Y};
        for (float v : xs) {
            text += ' ' + listNumber(v, decimalSeparator);
        }
        if (elasticity) {
            for (float v : ys) {
                text += ' ' + listNumber(v, decimalSeparator);
            }
        }
        entries.push_back({k, std::move(text)});
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
