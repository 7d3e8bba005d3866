#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "edit/BoundaryConstruction.h"
#include "edit/Pointer.h"
#include "support/ModelBuilders.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

struct RecordingFeedback : PointerFeedback {
    std::map<int, std::string> panels;
    std::vector<std::pair<PixelPoint, PixelPoint>> markers;
    std::vector<std::pair<PixelPoint, PixelPoint>> lines;
    std::vector<std::pair<PixelPoint, PixelPoint>> bands;
    std::vector<std::pair<PopupMenu, PixelPoint>> popups;

    void setStatusText(int panel, std::string_view text) override { panels[panel] = std::string(text); }
    void drawNodeMarker(PixelPoint a, PixelPoint b) override { markers.emplace_back(a, b); }
    void drawElementLine(PixelPoint a, PixelPoint b) override { lines.emplace_back(a, b); }
    void invertRubberBand(PixelPoint a, PixelPoint b) override { bands.emplace_back(a, b); }
    void openPopup(PopupMenu m, PixelPoint at) override { popups.emplace_back(m, at); }
};

enum class State { Idle, First, Chain };
enum class Action { Start, Right, Left, Middle, Move, Release, End, CloseNo, CloseYes, RemoveLast };

State stateOf(const Project& p)
{
    if (p.edit.editMode == EditMode::Idle) {
        return State::Idle;
    }
    return p.edit.chainOpen ? State::Chain : State::First;
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
    test::addNode(p, 0, 0);
    test::addNode(p, 10, 0);
    test::addNode(p, 10, 10);
    test::addElement(p, 1, 2);
    test::addElement(p, 2, 3);
    p.edit.editMode = state == State::Idle ? EditMode::Idle : EditMode::PolylineEntry;
    p.edit.chainOpen = state == State::Chain;
    return p;
}

void perform(Project& p, ScriptedInteraction& ui, RecordingFeedback& f, Action action)
{
    switch (action) {
    case Action::Start:
        startPolyline(p, f);
        break;
    case Action::Right:
        pointerPressed(p, ui, at(200, 100, PointerButton::Right), f);
        break;
    case Action::Left:
        pointerPressed(p, ui, at(200, 100), f);
        break;
    case Action::Middle:
        pointerPressed(p, ui, at(200, 100, PointerButton::Middle), f);
        break;
    case Action::Move:
        pointerMoved(p, at(200, 100), f);
        break;
    case Action::Release:
        pointerReleased(p, at(200, 100), f);
        break;
    case Action::End:
        endPolyline(p, f);
        break;
    case Action::CloseNo:
    case Action::CloseYes:
        ui.answers = {action == Action::CloseYes};
        closePolyline(p, ui, f);
        break;
    case Action::RemoveLast:
        removeLastElement(p);
        break;
    }
}

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
        {State::First, Action::CloseYes, State::Idle, 0, 1, {}, " "},
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
    p.view.updateScales(640, 480);
    RecordingFeedback f;
    // 3.1 units right of the drawing area's left edge snaps to the column 4.
    pointerMoved(p, at(10 + static_cast<int>(3.1f * p.view.scaleX), 300), f);
    EXPECT_EQ(f.panels[PanelX], "x=4");
    EXPECT_EQ(f.panels[PanelSelection], "Brzeg 1 z Strum:0.000 0.000 0.000");

    // Without the grid, on an area away from the origin: 62 and 42 pixels
    // per unit.
    p.view.gridOn = 0;
    p.view.areaXMin = 3;
    p.view.areaXMax = 13;
    p.view.areaYMin = 2;
    p.view.areaYMax = 12;
    p.view.updateScales(640, 480);
    test::addBoundary(p, InnerBoundary);
    p.currentBoundary = 2;
    pointerMoved(p, at(10 + 155, 440 - 21, PointerButton::Left, ','), f);
    EXPECT_EQ(f.panels[PanelX], "x=5,5");
    EXPECT_EQ(f.panels[PanelY], "y=2,5");
    EXPECT_EQ(f.panels[PanelSelection].substr(0, 10), "Brzeg 2 w ");
}

TEST(PointerMove, TheBandRunsFromTheLastNodeAndIsErasedBeforeItMoves)
{
    Project p = projectIn(State::Chain);
    RecordingFeedback f;
    pointerMoved(p, at(300, 200), f);
    pointerMoved(p, at(310, 210), f);
    const PixelPoint anchor{p.view.toScreenX(10), p.view.toScreenY(10)};
    ASSERT_EQ(f.bands.size(), 3u);
    EXPECT_EQ(f.bands[0], std::make_pair(anchor, PixelPoint{300, 200}));
    EXPECT_EQ(f.bands[1], f.bands[0]) << "the old band inverted again erases it";
    EXPECT_EQ(f.bands[2], std::make_pair(anchor, PixelPoint{310, 210}));
    EXPECT_TRUE(p.edit.rubberBandShown);

    // A placed point erases the band, draws its marker and element, and
    // writes the last point; a repaint forgets the band.
    ScriptedInteraction ui;
    pointerPressed(p, ui, at(10, 440), f);
    EXPECT_EQ(f.bands.size(), 4u);
    EXPECT_FALSE(p.edit.rubberBandShown);
    ASSERT_EQ(f.markers.size(), 1u);
    EXPECT_EQ(f.markers[0], std::make_pair(PixelPoint{7, 437}, PixelPoint{13, 443}));
    ASSERT_EQ(f.lines.size(), 1u);
    EXPECT_EQ(f.lines[0], std::make_pair(anchor, PixelPoint{10, 440}));
    EXPECT_EQ(f.panels[PanelLastPoint], "Ostatni pkt: 0, 0");
    EXPECT_EQ(p.elements[3], (Element{3, 4, 1, 1}));

    pointerMoved(p, at(50, 50), f);
    forgetRubberBand(p);
    pointerMoved(p, at(60, 60), f);
    EXPECT_EQ(f.bands.size(), 6u) << "no erase of a band the repaint wiped";
}

} // namespace
} // namespace zorind
