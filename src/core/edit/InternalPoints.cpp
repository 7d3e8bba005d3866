#include "core/edit/InternalPoints.h"

#include <cmath>
#include <string>

#include "core/edit/Picking.h"
#include "core/model/NumberFormat.h"
#include "core/ui/Messages.h"

namespace zorind {

namespace {

// One axis of the pick window around c.
bool insideWindow(double v, double c, double gridStep)
{
    if (c > 0.0) {
        return (1.0 - kPickRelTolerance) * c < v && v < (1.0 + kPickRelTolerance) * c;
    }
    // The relative window above is empty for c <= 0; the same relative size
    // around c keeps such points pickable, and at 0 the grid spacing sets
    // the size.
    const double half = c != 0.0 ? kPickRelTolerance * std::fabs(c) : kPickRelTolerance * std::fabs(gridStep);
    return c - half < v && v < c + half;
}

bool onBoundaryNode(const Project& p, float x, float y)
{
    for (const Node& node : p.nodes) {
        if (node.x == x && node.y == y) {
            return true;
        }
    }
    return false;
}

} // namespace

bool internalPointPicked(const InternalPoint& point, ModelPoint at, float gridStepX, float gridStepY)
{
    return insideWindow(point.x, at.x, gridStepX) && insideWindow(point.y, at.y, gridStepY);
}

void addInternalPoint(Project& p, Interaction& ui, const DialogCall& pointDialog)
{
    const int k = p.internalPoints.append(InternalPoint{});
    if (k == 0) {
        ui.plain(kInternalPointsFull);
        return;
    }
    p.selectedNumber = k;
    if (!pointDialog()) {
        p.internalPoints.erase(k);
    }
}

void insertInternalPointAtPointer(Project& p, Interaction& ui, int px, int py)
{
    if (p.nodeCount() <= 0) {
        return;
    }
    const ModelPoint at = p.view.pointerModelPosition(px, py);
    const std::string question =
        "Dodać punkt wewnętrzny o współrzędnych " + formatFixed(at.x, 6) + "," + formatFixed(at.y, 6) + " ?";
    if (!ui.ask(question, "Dodanie węzła wewnętrznego")) {
        return;
    }
    if (p.internalPoints.append(InternalPoint{at.x, at.y, 0.0f}) == 0) {
        ui.plain(kInternalPointsFull);
    }
}

void editInternalPoint(Project& p, const DialogCall& pointDialog)
{
    p.selectedNumber = 0;
    pointDialog();
}

void deleteInternalPointByNumber(Project& p, const DialogCall& prompt)
{
    if (const std::optional<int> k = promptForNumber(p, PromptKind::InternalPoint, prompt)) {
        p.internalPoints.erase(*k);
    }
}

void deleteInternalPointAtPointer(Project& p, Interaction& ui, int px, int py)
{
    if (p.nodeCount() <= 0) {
        return;
    }
    const ModelPoint at = p.view.snapToGrid(px, py);
    bool anyPicked = false;
    const auto offer = [&](int i) {
        anyPicked = true;
        if (ui.ask("Usunąć węzeł " + std::to_string(i) + " ?", "Usuwanie węzła")) {
            p.internalPoints.erase(i);
        }
    };
    // After a deletion the point that moved into number i is not examined:
    // the scan goes on with i + 1 either way.
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        if (internalPointPicked(p.internalPoints[i], at, p.view.gridStepX, p.view.gridStepY)) {
            offer(i);
        }
    }
    // A point off the grid is picked where it is drawn.
    if (!anyPicked) {
        if (const int nearest = nearestInternalPointWithin(p, p.view, px, py)) {
            offer(nearest);
        }
    }
    if (!anyPicked) {
        ui.message(kNothingPicked, "Usuwanie węzła wewnętrznego", MessageKind::Plain);
    }
}

void deleteAllInternalPoints(Project& p, Interaction& ui)
{
    if (ui.ask("Usunąć wszystkie węzły wewnętrzne ?", "Usuwanie węzłów wewnętrznych")) {
        p.internalPoints.resize(0);
    }
}

void gridOfInternalPoints(Project& p, Interaction& ui, const DialogCall& prompt)
{
    if (p.elementCount() < 1) {
        return;
    }
    if (!ui.ask("Utworzyć siatke węzłów wewnętrznych w aktualnym obszarze ?", "Siatka węzłów wewnętrznych")) {
        return;
    }
    const std::optional<int> n = promptForNumber(p, PromptKind::PointsPerAxis, prompt);
    if (!n || *n < 1 || *n > kMaxGridPointsPerAxis) {
        return;
    }
    const ViewTransform& v = p.view;
    const float count = static_cast<float>(*n);
    const float sx = (v.areaXMax - v.areaXMin) / count;
    const float sy = (v.areaYMax - v.areaYMin) / count;
    for (int i = 1; i <= *n; ++i) {
        const float x = v.areaXMin + static_cast<float>(i - 1) * sx;
        for (int j = 1; j <= *n; ++j) {
            const float y = v.areaYMin + static_cast<float>(j - 1) * sy;
            if (!onBoundaryNode(p, x, y)) {
                // A full table drops the rest of the grid without a word.
                p.internalPoints.append(InternalPoint{x, y, 0.0f});
            }
        }
    }
}

bool storeInternalPoint(Project& p, Interaction& ui, std::optional<int> k, std::optional<double> x,
                        std::optional<double> y)
{
    const std::optional<float> fx = typedFloat(x);
    const std::optional<float> fy = typedFloat(y);
    if (!k || !p.internalPoints.contains(*k) || !fx || !fy) {
        ui.error(kBadDataMessage, kBadDataCaption);
        return false;
    }
    p.internalPoints[*k].x = *fx;
    p.internalPoints[*k].y = *fy;
    return true;
}

} // namespace zorind
