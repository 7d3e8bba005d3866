#pragma once

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/command/Consequences.h"
#include "core/edit/NodeEditing.h"
#include "core/edit/Pointer.h"
#include "core/session/Project.h"

namespace zorind::test {

// Records what the pointer handlers and polyline commands ask the window to do.
struct RecordingFeedback : PointerFeedback {
    using Segment = std::pair<PixelPoint, PixelPoint>;
    std::map<int, std::string> panels;
    std::vector<Segment> markers, lines, bands;
    std::vector<std::pair<PopupMenu, PixelPoint>> popups;

    void setStatusText(int panel, std::string_view text) override { panels[panel] = std::string(text); }
    void drawNodeMarker(PixelPoint a, PixelPoint b) override { markers.emplace_back(a, b); }
    void drawElementLine(PixelPoint a, PixelPoint b) override { lines.emplace_back(a, b); }
    void invertRubberBand(PixelPoint a, PixelPoint b) override { bands.emplace_back(a, b); }
    void openPopup(PopupMenu m, PixelPoint at) override { popups.emplace_back(m, at); }
};

// The number prompt answering `n` (nothing: cancelled); `kind`, when given,
// gets the prompt kind it was opened with.
inline DialogCall answering(Project& p, std::optional<int> n, int* kind = nullptr)
{
    return [&p, n, kind] {
        if (kind != nullptr) {
            *kind = p.selectedNumber;
        }
        if (n) {
            p.selectedNumber = *n;
        }
        return n.has_value();
    };
}

// The client pixel that shows model point (x, y) in a 640 x 480 window.
inline std::pair<int, int> pixelAt(Project& p, float x, float y)
{
    p.view.updateScales(640, 480);
    return {static_cast<int>(std::lround(p.view.screenX(x))), static_cast<int>(std::lround(p.view.screenY(y)))};
}

// Runs a command as the window does, its consequences settled after it;
// returns the command's own answer, if it gives one.
template <class Command> auto settled(Project& p, Command&& command)
{
    const ProjectSnapshot before = takeSnapshot(p);
    if constexpr (std::is_void_v<decltype(command())>) {
        command();
        settleCommand(before, p);
    } else {
        auto answer = command();
        settleCommand(before, p);
        return answer;
    }
}

} // namespace zorind::test
