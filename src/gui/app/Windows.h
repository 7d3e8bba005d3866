#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "gui/lists/BalanceList.h"
#include "gui/lists/GridLists.h"

namespace zorind {

class GridDialog;
class BoundaryList;
class ElementList;
class AreaDialog;
class BoundaryDialog;
class PhysicalPropertiesDialog;
class ConditionList;
class ColourScaleWindow;
class InternalPointDialog;
class AnalysisTypeDialog;
class ScreenSettingsDialog;
class ElasticConditionDialog;
class ElementDialog;
class NumberPrompt;
class NodeDialog;
class CircleDialog;
class ResultScalingDialog;
class ConditionDialog;
class ArcDialog;
class DataScalingDialog;
class HelpWindow;
class ProbePlotWindow;

// Every dialog and list window of the program. A new window is one type in
// this list and one line of the command table that opens it.
template <class... Windows> struct WindowList {
    using Owned = std::tuple<std::unique_ptr<Windows>...>;
    // The place of W in the list.
    template <class W> static constexpr std::size_t indexOf()
    {
        std::size_t index = 0;
        (void)((std::is_same_v<W, Windows> ? false : (++index, true)) && ...);
        return index;
    }
};
using AllWindows = WindowList<GridDialog, BoundaryList, ElementList, AreaDialog, ElasticResultsList, BoundaryDialog,
                              PhysicalPropertiesDialog, ConditionList, InternalPointPotentialList, ColourScaleWindow,
                              InternalPointDialog, AnalysisTypeDialog, ScreenSettingsDialog, InternalPointList,
                              ElementDialog, ElasticConditionDialog, NumberPrompt, NodeDialog, NodeList, CircleDialog,
                              ResultScalingDialog, ConditionDialog, ResultsList, InternalPointResultsList, ArcDialog,
                              DataScalingDialog, HelpWindow, BalanceList, ProbePlotWindow>;

// The one owner of the dialogs and list windows. Each is created once, the
// first time it is asked for (building them all would double the time the
// program takes to show its window), handed the project and the interaction
// once, and reused for the rest of the run: it refills its fields each time
// it is shown. A window that stores into the model while it stays open
// ("Zastosuj", "Ustal jako aktualny") says so through its `stored` signal,
// which runs `onStored`.
class WindowSet {
public:
    WindowSet(Project& project, Interaction& ui, QWidget* mainWindow, std::function<void()> onStored);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // The window, created now if this is the first time it is asked for.
    template <class W> W& get() const
    {
        std::unique_ptr<W>& window = std::get<std::unique_ptr<W>>(windows_);
        if (!window) {
            create(AllWindows::indexOf<W>());
        }
        return *window;
    }
    // The window if it has been created, else nullptr.
    template <class W> W* created() const { return std::get<std::unique_ptr<W>>(windows_).get(); }

private:
    // Creates the window at this place of AllWindows.
    void create(std::size_t index) const;

    Project& project_;
    Interaction& ui_;
    QWidget* mainWindow_;
    std::function<void()> onStored_;
    mutable AllWindows::Owned windows_;
};

} // namespace zorind
