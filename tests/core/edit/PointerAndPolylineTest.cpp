#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/edit/BoundaryConstruction.h"
#include "core/edit/NodeOps.h"
#include "core/edit/Pointer.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/EditTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::RecordingFeedback;

enum class State { Idle, First, Chain };
enum class Action { Start, Right, Left, Middle, Move, Release, End, CloseNo, CloseYes, RemoveLast };

State stateOf(const Project& p)
{
    return p.edit.editMode == EditMode::Idle ? State::Idle : p.edit.chainOpen ? State::Chain : State::First;
}

PointerEvent at(int x, int y, PointerButton button = PointerButton::Left, char separator = '.')
{
    return {button, {x, y}, 640, 480, separator};
}

// An open chain 1-2-3 on a 640x480 window, put into the given state.
Project projectIn(State state)
{
    Project p = test::emptyProject();
    p.view.updateScales(640, 480);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}}) {
        test::addNode(p, x, y);
    }
    test::addElement(p, 1, 2);
    test::addElement(p, 2, 3);
    p.edit.editMode = state == State::Idle ? EditMode::Idle : EditMode::PolylineEntry;
    p.edit.chainOpen = state == State::Chain;
    p.edit.chainFirstNode = 1;
    p.edit.chainLastNode = 3;
    return p;
}

// clang-format off
void perform(Project& p, ScriptedInteraction& ui, RecordingFeedback& f, Action action)
{
    const auto press = [&](PointerButton b) { pointerPressed(p, ui, at(200, 100, b), f); };
    ui.answers = {action == Action::CloseYes};
    switch (action) {
    case Action::Start: startPolyline(p, f); break;
    case Action::Right: press(PointerButton::Right); break;
    case Action::Left: press(PointerButton::Left); break;
    case Action::Middle: press(PointerButton::Middle); break;
    case Action::Move: pointerMoved(p, at(200, 100), f); break;
    case Action::Release: pointerReleased(p, at(200, 100), f); break;
    case Action::End: endPolyline(p, f); break;
    case Action::CloseNo:
    case Action::CloseYes: closePolyline(p, ui, f); break;
    case Action::RemoveLast: removeLastElement(p); break;
    }
}
// clang-format on

TEST(PointerStateTable, EveryEventMovesTheStateAsTheTableSays)
{
    struct Row {
        State from;
        Action action;
        State to;
        int nodesAdded;
        int elementsAdded;
        std::optional<PopupMenu> popup;
        std::optional<std::string> prompt;
    };
    const std::string first = kFirstPointPrompt;
    const std::string next = kNextPointPrompt;
    const Row rows[] = {
        {State::Idle, Action::Start, State::First, 0, 0, {}, first},
        {State::First, Action::Start, State::First, 0, 0, {}, first},
        {State::Chain, Action::Start, State::Chain, 0, 0, {}, first},
        {State::Idle, Action::Right, State::Idle, 0, 0, PopupMenu::General, {}},
        {State::First, Action::Right, State::First, 0, 0, PopupMenu::Polyline, {}},
        {State::Chain, Action::Right, State::Chain, 0, 0, PopupMenu::Polyline, {}},
        {State::Idle, Action::Left, State::Idle, 0, 0, {}, {}},
        {State::Idle, Action::Middle, State::Idle, 0, 0, {}, {}},
        {State::Chain, Action::Middle, State::Chain, 0, 0, {}, {}},
        {State::First, Action::Left, State::Chain, 1, 0, {}, {}},
        {State::Chain, Action::Left, State::Chain, 1, 1, {}, next},
        {State::Idle, Action::Move, State::Idle, 0, 0, {}, {}},
        {State::Chain, Action::Move, State::Chain, 0, 0, {}, {}},
        {State::Chain, Action::Release, State::Chain, 0, 0, {}, {}},
        {State::First, Action::End, State::Idle, 0, 0, {}, " "},
        {State::Chain, Action::End, State::Idle, 0, 0, {}, " "},
        {State::Chain, Action::CloseNo, State::Chain, 0, 0, {}, {}},
        {State::First, Action::CloseYes, State::First, 0, 0, {}, {}}, // no chain of its own: an error
        {State::Chain, Action::CloseYes, State::Idle, 0, 1, {}, " "},
        {State::First, Action::RemoveLast, State::First, 0, 0, {}, {}},
        {State::Chain, Action::RemoveLast, State::Chain, -1, -1, {}, {}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i));
        Project p = projectIn(row.from);
        ScriptedInteraction ui;
        RecordingFeedback f;
        perform(p, ui, f, row.action);
        EXPECT_EQ(stateOf(p), row.to);
        EXPECT_EQ(p.nodeCount(), 3 + row.nodesAdded);
        EXPECT_EQ(p.elementCount(), 2 + row.elementsAdded);
        if (row.popup) {
            ASSERT_EQ(f.popups.size(), 1u);
            EXPECT_EQ(f.popups[0].first, *row.popup);
            EXPECT_EQ(f.popups[0].second, (PixelPoint{190, 90})) << "10 pixels up and left";
            EXPECT_EQ(p.edit.popupPoint, (PixelPoint{200, 100}));
        } else {
            EXPECT_TRUE(f.popups.empty());
        }
        if (row.prompt) {
            EXPECT_EQ(f.panels[PanelPrompt], *row.prompt);
        } else {
            EXPECT_FALSE(f.panels.contains(PanelPrompt));
        }
    }
}

TEST(PointerMove, StatusPanelsShowTheSnappedOrPlainPositionInTheUsersNotation)
{
    Project p = test::emptyProject();
    p.view.areaXMin = 3; // 62 pixels per unit in x, 42 in y
    p.view.areaXMax = 13;
    p.view.areaYMin = 2;
    p.view.areaYMax = 12;
    p.view.updateScales(640, 480);
    RecordingFeedback f;
    pointerMoved(p, at(10 + 155, 440 - 21, PointerButton::Left, ','), f);
    EXPECT_EQ(f.panels[PanelX] + f.panels[PanelY], "x=6y=2") << "x = 5.5 snapped to the multiples of 2";
    p.view.gridOn = 0;
    pointerMoved(p, at(10 + 155, 440 - 21, PointerButton::Left, ','), f);
    EXPECT_EQ(f.panels[PanelX] + f.panels[PanelY], "x=5,5y=2,5");
}

TEST(PointerMove, TheBandRunsFromTheLastNodeAndIsErasedBeforeItMovesOrAPointIsPlaced)
{
    Project p = projectIn(State::Chain);
    RecordingFeedback f;
    ScriptedInteraction ui;
    pointerMoved(p, at(300, 200), f);
    pointerMoved(p, at(310, 210), f);
    pointerPressed(p, ui, at(61, 440), f); // the grid point (4, 0), 4 units from the chain's first node
    const PixelPoint anchor{p.view.toScreenX(10), p.view.toScreenY(10)};
    const RecordingFeedback::Segment first{anchor, {300, 200}}, second{anchor, {310, 210}};
    EXPECT_EQ(f.bands, (std::vector{first, first, second, second})) << "each band inverted once more erases it";
    EXPECT_EQ(f.markers, (std::vector<RecordingFeedback::Segment>{{{57, 437}, {63, 443}}}));
    EXPECT_EQ(f.lines, (std::vector<RecordingFeedback::Segment>{{anchor, {60, 440}}}));
    EXPECT_EQ(f.panels[PanelLastPoint], "Ostatni pkt: 4, 0");
    EXPECT_EQ(p.elements[3], (Element{3, 4, 1, 1}));

    // After a repaint the band on the screen is gone: nothing to erase.
    pointerMoved(p, at(50, 50), f);
    forgetRubberBand(p);
    pointerMoved(p, at(60, 60), f);
    EXPECT_EQ(f.bands.size(), 6u);
}

// Points placed one after another as the polyline does, from a new chain.
void drawPolyline(Project& p, ScriptedInteraction& ui, std::initializer_list<ModelPoint> points)
{
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = false;
    for (ModelPoint at : points) {
        placePolylinePoint(p, ui, at);
    }
}

// Results on screen, as after a computation.
void computed(Project& p)
{
    p.resultsValid = p.display.showPotential = p.display.showFlux = 1;
}

bool resultsOff(const Project& p)
{
    return p.resultsValid == 0 && p.display.showPotential == 0 && p.display.showFlux == 0;
}

TEST(ClosePolyline, WalksBackToTheFreeEndOrRefusesAChainWithoutOne)
{
    RecordingFeedback f;
    ScriptedInteraction ui;
    Project p = test::emptyProject();
    drawPolyline(p, ui, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    computed(p);
    ui.answers = {true, true};
    test::settled(p, [&] { closePolyline(p, ui, f); });
    EXPECT_EQ(p.elements[4], (Element{4, 1, 1, 1}));
    EXPECT_TRUE(resultsOff(p));

    // Already closed: the error, nothing added.
    closePolyline(p, ui, f);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Zamknąć linie łamaną ?", "Zamknąć linie łamaną ?",
                                                         "Nie można zamknąć lini łąmanej "}));
    EXPECT_EQ(ui.shown.back().kind, MessageKind::Error);
    EXPECT_EQ(p.elementCount(), 4);

    // A chain of one or two points after an open polyline ends without an
    // element: it neither doubles its own element nor reaches into the
    // other polyline.
    for (const auto& points : {std::initializer_list<ModelPoint>{{30, 30}}, {{30, 30}, {40, 30}}}) {
        Project q = test::emptyProject();
        drawPolyline(q, ui, {{0, 0}, {10, 0}, {10, 10}});
        drawPolyline(q, ui, points);
        const std::vector<Element> before = test::elementsOf(q);
        ui.answers = {true};
        closePolyline(q, ui, f);
        EXPECT_EQ(test::elementsOf(q), before);
        EXPECT_FALSE(q.edit.chainOpen);
    }
    // Fewer than two elements in the whole model: not even a question.
    Project single = test::emptyProject();
    drawPolyline(single, ui, {{0, 0}, {10, 0}});
    ui.clear();
    closePolyline(single, ui, f);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(PolylineChain, GoesOnFromItsOwnLastNodeAndEndsWhenThatNodeIsGone)
{
    ScriptedInteraction ui;
    Project p = test::emptyProject();
    drawPolyline(p, ui, {{0, 0}, {10, 0}});
    test::addNode(p, 50, 50); // "Dodaj > Węzeł" in the middle of the chain
    placePolylinePoint(p, ui, {10, 10});
    EXPECT_EQ(p.elements[2], (Element{2, 4, 1, 1})) << "from the chain's last node, not the table's";
    EXPECT_EQ(placePolylinePoint(p, ui, {10, 10}), 0) << "a second click on the last point adds nothing";
    EXPECT_EQ(p.nodeCount(), 4);

    deleteNode(p, 4); // the chain's last node, elsewhere deleted with its element
    deleteElement(p, 2);
    EXPECT_FALSE(p.edit.chainOpen);
    placePolylinePoint(p, ui, {20, 20});
    placePolylinePoint(p, ui, {30, 20});
    EXPECT_EQ(test::elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {4, 5, 1, 1}}))
        << "a new chain, no element to node 0";
}

TEST(RemoveLastElement, AfterTheFirstPointOfANewPolylineRemovesOnlyThatNode)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
    ScriptedInteraction ui;
    drawPolyline(p, ui, {{20, 20}});
    removeLastElement(p);
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(test::elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_FALSE(p.edit.chainOpen) << "the next press starts a new chain";
}

TEST(Circle, NodesToTheFloatBitOnOuterAndInnerBoundaries)
{
    ScriptedInteraction ui;
    Project outer = test::emptyProject();
    computed(outer);
    ASSERT_TRUE(test::settled(outer, [&] { return addCircle(outer, ui, CircleSpec{}); }));
    EXPECT_TRUE(resultsOff(outer));
    Project inner = test::emptyProject();
    test::addBoundary(inner, InnerBoundary);
    inner.currentBoundary = 2;
    ASSERT_TRUE(addCircle(inner, ui, CircleSpec{}));

    ASSERT_EQ(outer.nodeCount(), 18);
    EXPECT_EQ(outer.nodes[1], (Node{10.0f, 0.0f}));
    const float step = static_cast<float>(6.283 / 18);
    for (int i = 0; i < 18; ++i) {
        const double a = static_cast<double>(static_cast<float>(i) * step);
        const float x = static_cast<float>(10.0 * std::cos(a));
        const float y = static_cast<float>(10.0 * std::sin(a));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outer.nodes[i + 1].x), std::bit_cast<std::uint32_t>(x)) << i;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outer.nodes[i + 1].y), std::bit_cast<std::uint32_t>(y)) << i;
        EXPECT_EQ(inner.nodes[i + 1], (Node{x, -y})) << "inner boundaries run clockwise";
    }
    EXPECT_EQ(outer.elements[17], (Element{17, 18, 1, 1}));
    EXPECT_EQ(outer.elements[18], (Element{18, 1, 1, 1}));
    EXPECT_EQ(inner.elements[18], (Element{18, 1, 1, 2}));

    // Silently ignored: a radius that is not positive, fewer than 3 elements.
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, 0.0f, 18}));
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, -1.0f, 18}));
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, 10.0f, 2}));
    EXPECT_EQ(outer.nodeCount(), 18);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(Capacities, AdditionsThatDoNotFitAreRefusedWhole)
{
    ScriptedInteraction ui;
    Project p = test::emptyProject();
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(addCircle(p, ui, {0, 0, 1.0f, 18}));
    }
    // 180 nodes: a circle of 20 would pass 199 and adds nothing at all.
    EXPECT_FALSE(addCircle(p, ui, {0, 0, 1.0f, 20}));
    EXPECT_EQ(p.nodeCount(), 180);
    EXPECT_EQ(p.elementCount(), 180);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Osiągnięto maksymalną liczbę węzłów (199)"});

    // A polyline fills the node table; the 200th node is refused.
    drawPolyline(p, ui, {});
    for (int i = 0; i < 19; ++i) {
        placePolylinePoint(p, ui, {static_cast<float>(i), 5});
    }
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(placePolylinePoint(p, ui, {50, 50}), 0);
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(p.elementCount(), 198);

    // With the element table full, a point of an open chain is refused
    // together with its node.
    removeLastElement(p);
    while (p.elements.append({1, 2, 1, 1}) != 0) {
    }
    EXPECT_EQ(placePolylinePoint(p, ui, {50, 50}), 0);
    EXPECT_EQ(p.nodeCount(), kMaxNodes - 1);
    EXPECT_EQ(ui.shown.back().text, "Osiągnięto maksymalną liczbę elementów (249)");
}

} // namespace
} // namespace zorind
