// Pressures and symmetry planes: what an element's condition means to the
// solver, what the exchange file makes of it and what it says it lost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/exchange/ElasticConditions.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExportCommand.h"
#include "core/model/ProjectFile.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using Normal = std::array<double, 2>;

void expectNormal(const Project& p, int element, Normal expected)
{
    const Normal n = outwardNormal(p, element);
    EXPECT_NEAR(n[0], expected[0], 1e-12) << "element " << element;
    EXPECT_NEAR(n[1], expected[1], 1e-12) << "element " << element;
}

TEST(OutwardNormal, PointsOutOfTheBodyWhicheverWayTheBoundaryRuns)
{
    // An outline drawn clockwise around a hole drawn anticlockwise, both
    // the wrong way round: the outline's bottom runs from x = 10 to 0, the
    // hole's from 4 to 6.
    Project p = test::emptyProject();
    test::addBoundary(p, InnerBoundary);
    test::addPolygon(p, {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 1, 1);
    test::addPolygon(p, {{4, 4}, {6, 4}, {6, 6}, {4, 6}}, 1, 2);
    expectNormal(p, 4, {0, -1}); // the outline's bottom: down
    expectNormal(p, 1, {-1, 0}); // its left side
    expectNormal(p, 5, {0, 1});  // the hole's bottom: up, into the hole
    expectNormal(p, 6, {-1, 0}); // the hole's right side: into the hole
    // A slanted side: the hypotenuse of a 3-4-5 triangle.
    Project t = test::emptyProject();
    test::addPolygon(t, {{0, 0}, {4, 0}, {0, 3}});
    expectNormal(t, 2, {0.6, 0.8});
    // An element that encloses nothing keeps its right-hand normal.
    Project open = test::emptyProject();
    test::addNode(open, 0, 0);
    test::addNode(open, 0, 2);
    test::addElement(open, 1, 2);
    expectNormal(open, 1, {1, 0});
    open.elements[1].endNode = 9;
    expectNormal(open, 1, {0, 0});
}

TEST(ElasticElementConditions, EachKindComponentByComponent)
{
    // The 3-4-5 triangle; condition values x 5, 10, 15 and y 1, 2, 3.
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addPolygon(p, {{0, 0}, {4, 0}, {0, 3}});
    p.conditions[1] = {1, 5, 10, 15, 1, 2, 3};
    using Places = std::array<std::array<double, 2>, 3>;
    const Places stored{{{5, 1}, {10, 2}, {15, 3}}};
    struct Case {
        float kind;
        std::array<bool, 2> held;
        Places at;
        contract::ElasticKind solverKind;
    };
    // The pressure on the hypotenuse pushes along -(0.6, 0.8).
    const Case cases[] = {
        {1, {false, false}, stored, contract::ElasticKind::Traction},
        {2, {true, true}, stored, contract::ElasticKind::Displacement},
        {4, {false, false}, {{{-3, -4}, {-6, -8}, {-9, -12}}}, contract::ElasticKind::Traction},
        {5, {true, false}, stored, contract::ElasticKind::HeldX},
        {6, {false, true}, stored, contract::ElasticKind::HeldY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        p.conditions[1].kind = c.kind;
        const std::optional<ElasticElementConditions> got = elasticElementConditions(p, 2);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->held, c.held);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(got->at[i][0], c.at[i][0], 1e-5);
            EXPECT_NEAR(got->at[i][1], c.at[i][1], 1e-5);
        }
        const std::optional<contract::ElasticElement> solver = solverElement(p, 2);
        ASSERT_TRUE(solver);
        EXPECT_EQ(solver->start, 1);
        EXPECT_EQ(solver->end, 2);
        EXPECT_EQ(solver->kind, c.solverKind);
        EXPECT_EQ(solver->atStart.x, got->at[0][0]);
        EXPECT_EQ(solver->atEnd.y, got->at[2][1]);
    }
    for (float unknown : {0.0f, 3.0f, 7.0f}) {
        p.conditions[1].kind = unknown;
        EXPECT_FALSE(elasticElementConditions(p, 2)) << unknown;
        EXPECT_FALSE(solverElement(p, 2)) << unknown;
    }
    p.elements[2].condition = 2; // no such condition
    EXPECT_FALSE(elasticElementConditions(p, 2));
}

// A quarter of a square plate: y held on the bottom (element 1), a pressure
// of 2 on the right (2), a free top (3), x held on the left (4).
Project quarterPlate()
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    p.conditions.append({6, 0, 0, 0, 0, 0, 0});
    p.conditions.append({4, 2, 2, 2, 0, 0, 0});
    p.conditions.append({1, 0, 0, 0, 0, 0, 0});
    p.conditions.append({5, 0, 0, 0, 0, 0, 0});
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    for (int e = 1; e <= 4; ++e) {
        p.elements[e].condition = e;
    }
    return p;
}

TEST(ExchangeFile, SymmetryPlanesFlagTheirHeldComponentAndAPressureBecomesTractions)
{
    // Node 1 lies on both planes (held both ways), node 2 on the bottom
    // (y only), node 4 on the left (x only). The pressure pushes in: -2 in
    // x at nodes 2 and 3, where it wins over the zero tractions of the
    // bottom's x and the free top.
    EXPECT_EQ(exchangeFileText(quarterPlate()), "0 4 4 0 1 0 210000003072.000000 0.300000\n"
                                                "1 0.000000 0.000000 0 0\n"
                                                "2 10.000000 0.000000 0 0\n"
                                                "3 10.000000 10.000000 0 0\n"
                                                "4 0.000000 10.000000 0 0\n"
                                                "1 1 2\n2 2 3\n3 3 4\n4 4 1\n"
                                                "3 2\n"
                                                "1 0.000000 0.000000 1 1\n"
                                                "2 0.000000 0.000000 0 1\n"
                                                "4 0.000000 0.000000 1 0\n"
                                                "2 -2.000000 0.000000\n"
                                                "3 -2.000000 0.000000\n");
}

TEST(ExchangeFile, ElementsWhoseConditionsTheFileBendsAreNamed)
{
    // The bottom loses its zero x traction at node 2 and the free top its
    // zero load at node 3, both to the pressure.
    Project p = quarterPlate();
    EXPECT_EQ(elementsApproximated(p), (std::vector<int>{1, 3}));
    // Two held values at one node: the first stands, the bottom's x of 0.5
    // at node 1 over the left's 0; the bottom, held both ways now, loses
    // nothing.
    p.conditions[1] = {2, 0.5f, 0, 0, 0, 0, 0};
    EXPECT_EQ(elementsApproximated(p), (std::vector<int>{3, 4}));
    // A pressure along a straight side split in two keeps its tractions at
    // the node between; around a corner the sides' tractions differ.
    Project straight = test::emptyProject();
    straight.analysisType = Elasticity;
    straight.conditions.append({4, 3, 3, 3, 0, 0, 0}); // 2
    test::addPolygon(straight, {{0, 0}, {10, 0}, {10, 5}, {10, 10}, {0, 10}}, 2);
    straight.elements[1].condition = 1;
    EXPECT_EQ(elementsApproximated(straight), (std::vector<int>{4, 5}));
    // Tractions and displacements alone bend nothing this rule names.
    for (int e = 2; e <= 5; ++e) {
        straight.elements[e].condition = e == 4 ? 1 : 2;
    }
    straight.conditions[2].kind = 1;
    EXPECT_EQ(elementsApproximated(straight), std::vector<int>{});

    test::TempDir work;
    ScriptedInteraction ui;
    EXPECT_EQ(writeExchangeFile(quarterPlate(), ui, work.path()), ExportOutcome::Exported);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{approximatedElementsMessage({1, 3}), kExportedMessage}));
    EXPECT_EQ(approximatedElementsMessage({1, 3}),
              "Warunki brzegowe elementów 1, 3 są w pliku wymiany przybliżone: plik przenosi na węzeł jedno "
              "przemieszczenie i jedno obciążenie, a ciśnienie jako obciążenie w węzłach, więc te elementy tracą w "
              "którymś węźle własną wartość");
    EXPECT_EQ(approximatedElementsMessage({2}),
              "Warunek brzegowy elementu 2 jest w pliku wymiany przybliżony: plik przenosi na węzeł jedno "
              "przemieszczenie i jedno obciążenie, a ciśnienie jako obciążenie w węzłach, więc ten element traci w "
              "którymś węźle własną wartość");
}

TEST(ExchangeFile, KindSixIsTheLastAProjectFileGivesTheExport)
{
    // Read from a file: condition 1 holds y (kind 6) on the bottom, condition
    // 2 is of kind 7, which elasticity does not know, on the other sides.
    const std::string text = "4 4 2 1 0\n"
                             "0.000000000000000 0.000000000000000\n"
                             "10.000000000000000 0.000000000000000\n"
                             "10.000000000000000 10.000000000000000\n"
                             "0.000000000000000 10.000000000000000\n"
                             "1 2 1 1\n2 3 2 1\n3 4 2 1\n4 1 2 1\n"
                             "6.000000 0.500000 0.500000 0.500000 -1.000000 -1.000000 -1.000000\n"
                             "7.000000 1.000000 1.000000 1.000000 1.000000 1.000000 1.000000\n"
                             "1\n"
                             "1.000000 0.000000\n"
                             "10\n"
                             "Koniec pliku";
    Project p = test::emptyProject();
    ASSERT_EQ(readProjectText(text, p), std::nullopt);
    EXPECT_EQ(writeProjectText(p), text);
    const std::string exchange = exchangeFileText(p);
    EXPECT_EQ(exchange.substr(exchange.find("1 1 2\n2 2 3\n3 3 4\n4 4 1\n") + 24),
              "2 2\n"
              "1 0.000000 -1.000000 0 1\n"
              "2 0.000000 -1.000000 0 1\n"
              "1 0.500000 0.000000\n"
              "2 0.500000 0.000000\n");
}

} // namespace
} // namespace zorind
