// The ends of a segment entered with the pointer ("Wykres wzdłuż odcinka").
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/edit/Pointer.h"
#include "core/edit/SegmentEntry.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

struct SegmentFeedback : PointerFeedback {
    std::string prompt;
    int bands = 0;
    std::vector<std::optional<std::array<ModelPoint, 2>>> plots;

    void setStatusText(int panel, std::string_view text) override
    {
        if (panel == PanelPrompt) {
            prompt = std::string(text);
        }
    }
    void drawNodeMarker(PixelPoint, PixelPoint) override {}
    void drawElementLine(PixelPoint, PixelPoint) override {}
    void invertRubberBand(PixelPoint, PixelPoint) override { ++bands; }
    void openPopup(PopupMenu, PixelPoint) override {}
    void openSegmentPlot(std::optional<std::array<ModelPoint, 2>> ends) override { plots.push_back(ends); }
};

PointerEvent at(int x, int y)
{
    return {PointerButton::Left, {x, y}, 640, 480, '.'};
}

Project project()
{
    Project p = test::emptyProject();
    p.view.gridOn = 0;
    p.view.updateScales(640, 480);
    test::addNode(p, 5.0f, 5.0f);
    return p;
}

// Two presses give the ends (the first within the pick radius of a node
// taken exactly onto it), the band follows the pointer from the start, and
// the plot opens once, the entry over.
TEST(SegmentEntry, TwoPressesOpenThePlot)
{
    Project p = project();
    ScriptedInteraction ui;
    SegmentFeedback f;
    startSegmentEntry(p, f);
    EXPECT_EQ(p.edit.editMode, EditMode::SegmentEntry);
    EXPECT_EQ(f.prompt, kSegmentStartPrompt);
    pointerMoved(p, at(100, 100), f);
    EXPECT_EQ(f.bands, 0) << "no band before the start is placed";
    const PixelPoint node{p.view.toScreenX(5.0f), p.view.toScreenY(5.0f)};
    pointerPressed(p, ui, at(node.x + 3, node.y - 2), f);
    EXPECT_EQ(f.prompt, kSegmentEndPrompt);
    EXPECT_TRUE(f.plots.empty());
    pointerMoved(p, at(300, 200), f);
    pointerMoved(p, at(310, 210), f);
    EXPECT_EQ(f.bands, 3); // drawn, erased, drawn again
    pointerPressed(p, ui, at(400, 100), f);
    ASSERT_EQ(f.plots.size(), 1u);
    ASSERT_TRUE(f.plots[0].has_value());
    EXPECT_EQ((*f.plots[0])[0], (ModelPoint{5.0f, 5.0f}));
    EXPECT_EQ((*f.plots[0])[1], pointerModelPosition(p.view, {400, 100}, 640, 480));
    EXPECT_EQ(f.bands, 4) << "the band is erased";
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_EQ(f.prompt, " ");
}

// Escape gives the entry up, after its first end too; Enter opens the plot
// for typed ends; a polyline being drawn ends first.
TEST(SegmentEntry, EscapeAndEnter)
{
    Project p = project();
    ScriptedInteraction ui;
    SegmentFeedback f;
    startSegmentEntry(p, f);
    pointerPressed(p, ui, at(200, 200), f);
    EXPECT_TRUE(drawingKeyPressed(p, ui, DrawingKey::End, at(0, 0), f));
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_FALSE(p.edit.segmentStartSet);
    EXPECT_TRUE(f.plots.empty());

    startSegmentEntry(p, f);
    EXPECT_TRUE(drawingKeyPressed(p, ui, DrawingKey::Close, at(0, 0), f));
    ASSERT_EQ(f.plots.size(), 1u);
    EXPECT_FALSE(f.plots[0].has_value());
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);

    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = true;
    startSegmentEntry(p, f);
    EXPECT_EQ(p.edit.editMode, EditMode::SegmentEntry);
    EXPECT_FALSE(p.edit.chainOpen);
    EXPECT_FALSE(drawingKeyPressed(p, ui, DrawingKey::TakeBack, at(0, 0), f));
}

} // namespace
} // namespace zorind
