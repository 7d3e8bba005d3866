#include <gtest/gtest.h>

#include "core/edit/InternalPoints.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/EditTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::addInternalPoint;
using test::answering;
using test::pixelAt;

// Node 1 lies exactly on the grid point (10, 20) of a 5 x 5 grid over the
// default area.
Project triangle()
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{10, 20}, {45, 5}, {45, 45}});
    return p;
}

TEST(InternalPointGrid, FillsTheAreaColumnByColumnAndSkipsBoundaryNodes)
{
    Project p = triangle();
    ScriptedInteraction ui;
    ui.answers = {true};
    int kind = 0;
    gridOfInternalPoints(p, ui, answering(p, 5, &kind));
    EXPECT_EQ(kind, 8);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Utworzyć siatke węzłów wewnętrznych w aktualnym obszarze ?"});
    EXPECT_EQ(ui.shown[0].caption, "Siatka węzłów wewnętrznych");
    ASSERT_EQ(p.internalPointCount(), 24);
    // Column x = 0 first, y going up; column 10 lacks y = 20.
    const std::pair<int, InternalPoint> expected[] = {
        {2, {0, 10, 0}}, {7, {10, 10, 0}}, {8, {10, 30, 0}}, {24, {40, 40, 0}}};
    for (const auto& [k, point] : expected) {
        EXPECT_EQ(p.internalPoints[k], point) << k;
    }
}

TEST(InternalPointGrid, StopsSilentlyAt499AndRefusesBadCounts)
{
    Project p = triangle();
    for (int i = 0; i < 480; ++i) {
        addInternalPoint(p, 1, 1);
    }
    ScriptedInteraction ui;
    ui.defaultAnswer = true;
    gridOfInternalPoints(p, ui, answering(p, 5));
    EXPECT_EQ(p.internalPointCount(), 499);
    EXPECT_EQ(ui.shown.size(), 1u) << "only the question";
    // The 19th point taken: (10, 20) is skipped, so column 30 is complete.
    EXPECT_EQ(p.internalPoints[499], (InternalPoint{30, 40, 0}));

    Project q = triangle();
    for (std::optional<int> n : {std::optional<int>{0}, std::optional<int>{21}, std::optional<int>{}}) {
        gridOfInternalPoints(q, ui, answering(q, n));
    }
    EXPECT_EQ(q.internalPointCount(), 0);
    Project noElements = test::emptyProject();
    ui.clear();
    gridOfInternalPoints(noElements, ui, answering(noElements, 3));
    EXPECT_TRUE(ui.shown.empty());
}

TEST(InternalPointPick, RelativeWindowAndItsStandInAtNonPositiveCoordinates)
{
    const auto picked = [](float x, float y, ModelPoint at) {
        return internalPointPicked(InternalPoint{x, y, 0}, at, 2.0f, 2.0f);
    };
    EXPECT_TRUE(picked(10.4f, 9.7f, {10, 10}));
    EXPECT_FALSE(picked(10.6f, 10.0f, {10, 10}));
    EXPECT_FALSE(picked(9.5f, 10.0f, {10, 10})) << "the bounds are excluded";
    // Negative: the same relative size around the point.
    EXPECT_TRUE(picked(-10.4f, -9.7f, {-10, -10}));
    EXPECT_FALSE(picked(-10.6f, -10.0f, {-10, -10}));
    EXPECT_FALSE(picked(10.0f, 10.0f, {-10, 10}));
    // Exactly 0: 0.05 grid spacings, here 0.1.
    EXPECT_TRUE(picked(-0.09f, 10.2f, {0, 10}));
    EXPECT_FALSE(picked(0.11f, 10.0f, {0, 10}));
}

TEST(InternalPointsAtPointer, InsertAsksWithSixDecimalsDeleteAsksForEachPointInTheWindow)
{
    Project p = triangle();
    ScriptedInteraction ui;
    const auto [ix, iy] = pixelAt(p, 4.3f, 5.8f); // nearest grid point (4, 6)
    ui.answers = {false, true};
    insertInternalPointAtPointer(p, ui, ix, iy);
    insertInternalPointAtPointer(p, ui, ix, iy);
    EXPECT_EQ(ui.shown[0].text, "Dodać punkt wewnętrzny o współrzędnych 4.000000,6.000000 ?");
    EXPECT_EQ(ui.shown[0].caption, "Dodanie węzła wewnętrznego");
    EXPECT_EQ(p.internalPoints[1], (InternalPoint{4, 6, 0}));

    addInternalPoint(p, 10.4f, 9.7f); // 2: picked, kept (No)
    addInternalPoint(p, 9.8f, 10.1f); // 3: picked, deleted (Yes)
    addInternalPoint(p, 0, 0);        // 4: moves into 3 and is not examined
    const auto [dx, dy] = pixelAt(p, 10.2f, 9.9f);
    ui.clear();
    ui.answers = {false, true};
    deleteInternalPointAtPointer(p, ui, dx, dy);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Usunąć węzeł 2 ?", "Usunąć węzeł 3 ?"}));
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    ASSERT_EQ(p.internalPointCount(), 3);

    // The origin is pickable too; then nothing is left there.
    const auto [ox, oy] = pixelAt(p, 0, 0);
    ui.answers = {true};
    deleteInternalPointAtPointer(p, ui, ox, oy);
    EXPECT_EQ(p.internalPointCount(), 2);
    ui.clear();
    deleteInternalPointAtPointer(p, ui, ox, oy);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie wybrałeś żadnego węzła.");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła wewnętrznego");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);

    Project empty = test::emptyProject();
    addInternalPoint(empty, 0, 0);
    deleteInternalPointAtPointer(empty, ui, ox, oy);
    insertInternalPointAtPointer(empty, ui, ox, oy);
    EXPECT_EQ(empty.internalPointCount(), 1);
}

TEST(AddInternalPoint, CancelDiscardsThePointAndAt499NothingOpens)
{
    Project p = triangle();
    ScriptedInteraction ui;
    int seen = 0;
    const auto cancelled = [&] {
        seen = p.selectedNumber;
        return false;
    };
    addInternalPoint(p, ui, cancelled);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(p.internalPointCount(), 0);

    while (p.internalPoints.append(InternalPoint{}) != 0) {
    }
    seen = 0;
    ui.answers = {true};
    addInternalPoint(p, ui, cancelled);
    insertInternalPointAtPointer(p, ui, 100, 100);
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(p.internalPointCount(), 499);
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[0].text, "Osiągnięto maksymalną liczbę punktów wewnętrznych");
    EXPECT_EQ(ui.shown[2].text, "Osiągnięto maksymalną liczbę punktów wewnętrznych");
    EXPECT_EQ(ui.shown[2].kind, MessageKind::Plain);
}

TEST(InternalPointsByNumber, TheLastPointIsReachedAndOnePastItIsRefused)
{
    Project p = triangle();
    addInternalPoint(p, 20, 20);
    addInternalPoint(p, 30, 25);
    ScriptedInteraction ui;
    EXPECT_FALSE(storeInternalPoint(p, ui, 3, 1.0, 1.0));
    EXPECT_FALSE(storeInternalPoint(p, ui, 2, 1.0, 1e39));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane", "Złe dane"}));
    EXPECT_TRUE(storeInternalPoint(p, ui, 2, 31.0, 26.0));
    EXPECT_EQ(p.internalPoints[2], (InternalPoint{31, 26, 0}));

    deleteInternalPointByNumber(p, answering(p, 3));
    EXPECT_EQ(p.internalPointCount(), 2);
    deleteInternalPointByNumber(p, answering(p, 2));
    ASSERT_EQ(p.internalPointCount(), 1);
    EXPECT_EQ(p.internalPoints[1].x, 20.0f);

    ui.answers = {false, true};
    deleteAllInternalPoints(p, ui);
    EXPECT_EQ(p.internalPointCount(), 1);
    deleteAllInternalPoints(p, ui);
    EXPECT_EQ(p.internalPointCount(), 0);
}

} // namespace
} // namespace zorind
