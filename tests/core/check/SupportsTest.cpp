#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/check/CheckModel.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::addCondition;
using test::addPolygon;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The conditions of every model here: 1 displacement (the reset's kind 2),
// then one of each other kind.
constexpr int kHeld = 1;
constexpr int kLoad = 2;
constexpr int kPressure = 3;
constexpr int kX = 4; // x held
constexpr int kY = 5; // y held

Project elasticityProject()
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    addCondition(p, TractionKind, 5, 5, 5);
    addCondition(p, PressureKind, 5, 5, 5);
    addCondition(p, HeldXKind, 0, 0, 0);
    addCondition(p, HeldYKind, 0, 0, 0);
    return p;
}

// A 10 x 10 square, anticlockwise: elements bottom (y = 0), right (x = 10),
// top, left (x = 0) with the given conditions.
Project square(const std::vector<int>& conditions)
{
    Project p = elasticityProject();
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    for (int e = 1; e <= 4; ++e) {
        p.elements[e].condition = conditions[static_cast<std::size_t>(e - 1)];
    }
    return p;
}

std::vector<std::string> checked(Project p, int expected)
{
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), expected);
    return ui.textsShown();
}

TEST(SupportCheck, RollersInOneDirectionOrNoneLeaveTheBodyFree)
{
    EXPECT_THAT(checked(square({kLoad, kPressure, kLoad, kLoad}), 1),
                ElementsAre("Ciało ograniczone brzegiem 1 nie jest podparte: żaden jego element nie ma zadanego "
                            "przemieszczenia, więc może się przesuwać i obracać jako sztywne."));
    EXPECT_THAT(checked(square({kLoad, kLoad, kLoad, kX}), 1),
                ElementsAre("Ciało ograniczone brzegiem 1 jest podparte tylko w kierunku X (podpory przesuwne), "
                            "więc może się przesuwać w kierunku Y."));
    // Y rollers on two sides stop the rotation, not the sliding along x.
    EXPECT_THAT(checked(square({kY, kLoad, kY, kLoad}), 1),
                ElementsAre("Ciało ograniczone brzegiem 1 jest podparte tylko w kierunku Y (podpory przesuwne), "
                            "więc może się przesuwać w kierunku X."));
    // X rollers along y = 0 and Y rollers along x = 0 point at one centre.
    EXPECT_THAT(checked(square({kX, kLoad, kLoad, kY}), 1),
                ElementsAre("Ciało ograniczone brzegiem 1 może się obracać wokół punktu (0; 0): jego podpory w "
                            "kierunku X leżą na prostej y = 0, a w kierunku Y na prostej x = 0."));
}

TEST(SupportCheck, RollersBothWaysOrAnyHeldElementHoldTheBody)
{
    // The quarter model: x held on x = 0, y held on y = 0.
    EXPECT_THAT(checked(square({kY, kPressure, kLoad, kX}), 0), IsEmpty());
    // X rollers at two heights stop the rotation that the Y rollers on one
    // line allow.
    EXPECT_THAT(checked(square({kX, kLoad, kX, kY}), 0), IsEmpty());
    EXPECT_THAT(checked(square({kLoad, kHeld, kPressure, kLoad}), 0), IsEmpty());
    // Only the elasticity kinds hold: a potential model is not judged.
    Project heat = square({kLoad, kLoad, kLoad, kLoad});
    heat.analysisType = HeatFlow;
    EXPECT_THAT(checked(heat, 0), IsEmpty());
}

TEST(SupportCheck, EachBodyWithItsHolesIsJudgedOnItsOwn)
{
    Project p = elasticityProject();
    for (int b = 2; b <= 4; ++b) {
        test::addBoundary(p, b == 2 ? InnerBoundary : OuterBoundary);
    }
    addPolygon(p, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, kLoad, 1);
    // A hole held by a pin, which holds the body around it.
    addPolygon(p, {{2, 2}, {2, 10}, {10, 10}, {10, 2}}, kHeld, 2);
    // An island in the hole and a body beside the first are bodies of their own.
    addPolygon(p, {{4, 4}, {6, 4}, {6, 6}, {4, 6}}, kPressure, 3);
    addPolygon(p, {{30, 0}, {35, 0}, {35, 5}, {30, 5}}, kX, 4);
    const std::vector<std::string> texts = checked(p, 1);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_THAT(texts[0], ::testing::StartsWith("Ciało ograniczone brzegiem 3 nie jest podparte"));
    EXPECT_THAT(texts[1], ::testing::StartsWith("Ciało ograniczone brzegiem 4 jest podparte tylko w kierunku X"));
}

} // namespace
} // namespace zorind
