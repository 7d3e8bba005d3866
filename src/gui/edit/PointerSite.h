#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

#include "core/command/Consequences.h"
#include "core/edit/Pointer.h"

namespace zorind {

// What the pointer controller needs of the window it works in: the project
// and the interaction, the one entry point that runs a command and settles
// its consequences, the status-bar panels, the popup menus and the drawing
// area's picture, onto which pointer feedback is drawn between repaints.
class PointerSite {
public:
    virtual ~PointerSite() = default;

    virtual Project& project() = 0;
    virtual Interaction& interaction() = 0;
    // Runs a pointer command as every other command runs; `drawn` says what
    // of its change the feedback has already put on the screen.
    virtual void runCommand(const std::function<void()>& command, Drawn drawn) = 0;

    virtual QSize drawingSize() const = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    // Opens the popup menu at a drawing-area position, without blocking.
    virtual void openPopupMenu(PopupMenu menu, QPoint at) = 0;

    virtual void drawNodeMarker(QPoint topLeft, QPoint bottomRight) = 0;
    virtual void drawElementLine(QPoint from, QPoint to) = 0;
    virtual void invertRubberBand(QPoint from, QPoint to) = 0;
    // The ends of a segment have been entered: its plot opens (without
    // ends, for them to be typed).
    virtual void openSegmentPlot(std::optional<std::array<ModelPoint, 2>> /*ends*/) {}
};

} // namespace zorind
