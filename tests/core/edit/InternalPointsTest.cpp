#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "edit/InternalPoints.h"
#include "support/ModelBuilders.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

using test::addInternalPoint;
using test::emptyProject;

// The number prompt answering `n`.
DialogCall answering(Project& p, std::optional<int> n)
{
    return [&p, n] {
        if (n) {
            p.selectedNumber = *n;
        }
        return n.has_value();
    };
}

std::pair<int, int> pixelAt(Project& p, float x, float y)
{
    p.view.updateScales(640, 480);
    return {static_cast<int>(std::lround(p.view.screenX(x))), static_cast<int>(std::lround(p.view.screenY(y)))};
}

Project triangle()
{
    Project p = emptyProject();
    test::addPolygon(p, {{10, 20}, {45, 5}, {45, 45}});
    return p;
}

TEST(InternalPointGrid, FillsTheAreaColumnByColumnAndSkipsBoundaryNodes)
{
    Project p = triangle(); // node 1 lies exactly on grid point (10, 20)
    ScriptedInteraction ui;
    ui.answers = {true};
    int kind = 0;
    EXPECT_TRUE(gridOfInternalPoints(p, ui, [&] {
        kind = p.selectedNumber;
        p.selectedNumber = 5;
        return true;
    }));
    EXPECT_EQ(kind, 8);
    ASSERT_EQ(p.internalPointCount(), 24);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Utworzyć siatke węzłów wewnętrznych w aktualnym obszarze ?"});
    EXPECT_EQ(ui.shown[0].caption, "Siatka węzłów wewnętrznych");
    // Column x = 0 first, y going up; column 10 lacks y = 20.
    EXPECT_EQ(p.internalPoints[2].x, 0.0f);
    EXPECT_EQ(p.internalPoints[2].y, 10.0f);
    EXPECT_EQ(p.internalPoints[7].x, 10.0f);
    EXPECT_EQ(p.internalPoints[7].y, 10.0f);
    EXPECT_EQ(p.internalPoints[8].x, 10.0f);
    EXPECT_EQ(p.internalPoints[8].y, 30.0f);
    EXPECT_EQ(p.internalPoints[24].x, 40.0f);
    EXPECT_EQ(p.internalPoints[24].y, 40.0f);
}

TEST(InternalPointGrid, StopsSilentlyAt499AndRefusesBadCounts)
{
    Project p = triangle();
    for (int i = 0; i < 480; ++i) {
        addInternalPoint(p, 1, 1);
    }
    ScriptedInteraction ui;
    ui.defaultAnswer = true;
    EXPECT_TRUE(gridOfInternalPoints(p, ui, answering(p, 5)));
    EXPECT_EQ(p.internalPointCount(), 499);
    EXPECT_EQ(ui.shown.size(), 1u) << "only the question";
    // The 19th point taken: (10, 20) lies on node 1, so column 30 is full.
    EXPECT_EQ(p.internalPoints[499].x, 30.0f);
    EXPECT_EQ(p.internalPoints[499].y, 40.0f);

    Project q = triangle();
    for (std::optional<int> n :
         {std::optional<int>{0}, std::optional<int>{21}, std::optional<int>{-1}, std::optional<int>{}}) {
        EXPECT_FALSE(gridOfInternalPoints(q, ui, answering(q, n)));
    }
    ui.defaultAnswer = false;
    EXPECT_FALSE(gridOfInternalPoints(q, ui, answering(q, 3)));
    EXPECT_EQ(q.internalPointCount(), 0);

    Project noElements = emptyProject();
    ui.clear();
    EXPECT_FALSE(gridOfInternalPoints(noElements, ui, answering(noElements, 3)));
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
    // Negative coordinates: the same relative size around the point.
    EXPECT_TRUE(picked(-10.4f, -9.7f, {-10, -10}));
    EXPECT_FALSE(picked(-10.6f, -10.0f, {-10, -10}));
    EXPECT_FALSE(picked(10.0f, 10.0f, {-10, 10}));
    // At exactly 0: 0.05 grid spacings, here 0.1.
    EXPECT_TRUE(picked(0.0f, 0.0f, {0, 0}));
    EXPECT_TRUE(picked(-0.09f, 10.2f, {0, 10}));
    EXPECT_FALSE(picked(0.11f, 10.0f, {0, 10}));
}

TEST(DeleteInternalPointAtPointer, OffersEveryPointInTheWindowOneQuestionEach)
{
    Project p = triangle();
    addInternalPoint(p, 10.4f, 9.7f);  // 1: picked, kept (No)
    addInternalPoint(p, 30.0f, 30.0f); // 2
    addInternalPoint(p, 9.8f, 10.1f);  // 3: picked, deleted (Yes)
    addInternalPoint(p, 10.0f, 10.0f); // 4: moves into 3 and is not examined
    const auto [px, py] = pixelAt(p, 10.2f, 9.9f);
    ScriptedInteraction ui;
    ui.answers = {false, true};
    EXPECT_TRUE(deleteInternalPointAtPointer(p, ui, px, py));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Usunąć węzeł 1 ?", "Usunąć węzeł 3 ?"}));
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    ASSERT_EQ(p.internalPointCount(), 3);
    EXPECT_EQ(p.internalPoints[3].x, 10.0f);

    // The origin is pickable too.
    addInternalPoint(p, 0.0f, 0.0f);
    const auto [ox, oy] = pixelAt(p, 0, 0);
    ui.clear();
    ui.answers = {true};
    EXPECT_TRUE(deleteInternalPointAtPointer(p, ui, ox, oy));
    EXPECT_EQ(p.internalPointCount(), 3);

    ui.clear();
    EXPECT_TRUE(deleteInternalPointAtPointer(p, ui, ox, oy));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie wybrałeś żadnego węzła.");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła wewnętrznego");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);

    Project empty = emptyProject();
    addInternalPoint(empty, 0, 0);
    EXPECT_FALSE(deleteInternalPointAtPointer(empty, ui, ox, oy));
    EXPECT_EQ(empty.internalPointCount(), 1);
}

TEST(InsertInternalPointAtPointer, AsksWithSixDecimalsAndStopsAt499)
{
    Project p = triangle();
    const auto [px, py] = pixelAt(p, 4.3f, 5.8f); // grid point (4, 6)
    ScriptedInteraction ui;
    ui.answers = {false, true};
    EXPECT_FALSE(insertInternalPointAtPointer(p, ui, px, py));
    EXPECT_TRUE(insertInternalPointAtPointer(p, ui, px, py));
    EXPECT_EQ(ui.shown[0].text, "Dodać punkt wewnętrzny o współrzędnych 4.000000,6.000000 ?");
    EXPECT_EQ(ui.shown[0].caption, "Dodanie węzła wewnętrznego");
    ASSERT_EQ(p.internalPointCount(), 1);
    EXPECT_EQ(p.internalPoints[1].x, 4.0f);
    EXPECT_EQ(p.internalPoints[1].y, 6.0f);

    while (p.internalPoints.append(InternalPoint{}) != 0) {
    }
    ui.clear();
    ui.answers = {true};
    EXPECT_FALSE(insertInternalPointAtPointer(p, ui, px, py));
    bool opened = false;
    EXPECT_FALSE(addInternalPoint(p, ui, [&] { return opened = true; }));
    EXPECT_FALSE(opened);
    EXPECT_EQ(p.internalPointCount(), 499);
    EXPECT_EQ(ui.textsShown().back(), "Osiągnięto maksymalną liczbę punktów wewnętrznych");
    EXPECT_EQ(ui.shown.back().kind, MessageKind::Plain);
}

TEST(InternalPointCommands, AddDiscardsOnCancelAndDeleteByNumberOrAll)
{
    Project p = triangle();
    ScriptedInteraction ui;
    int seen = 0;
    EXPECT_TRUE(addInternalPoint(p, ui, [&] {
        seen = p.selectedNumber;
        return false;
    }));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(p.internalPointCount(), 0);

    addInternalPoint(p, 1, 1);
    addInternalPoint(p, 2, 2);
    addInternalPoint(p, 3, 3);
    EXPECT_TRUE(deleteInternalPointByNumber(p, answering(p, 4)));
    EXPECT_TRUE(deleteInternalPointByNumber(p, answering(p, 2)));
    ASSERT_EQ(p.internalPointCount(), 2);
    EXPECT_EQ(p.internalPoints[2].x, 3.0f);

    EXPECT_FALSE(storeInternalPoint(p, ui, 3, 1.0, 1.0));
    EXPECT_TRUE(storeInternalPoint(p, ui, 2, 7.5, -2.0));
    EXPECT_EQ(p.internalPoints[2].y, -2.0f);

    ui.answers = {false, true};
    EXPECT_TRUE(deleteAllInternalPoints(p, ui));
    EXPECT_EQ(p.internalPointCount(), 2);
    EXPECT_TRUE(deleteAllInternalPoints(p, ui));
    EXPECT_EQ(p.internalPointCount(), 0);
    EXPECT_EQ(ui.shown.back().text, "Usunąć wszystkie węzły wewnętrzne ?");
    EXPECT_EQ(ui.shown.back().caption, "Usuwanie węzłów wewnętrznych");
}

} // namespace
} // namespace zorind
