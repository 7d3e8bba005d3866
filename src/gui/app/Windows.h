#pragma once

#include <QWidget>
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
class ProbePlotWindow;

// Every dialog and list window of the program, in the order they are
// created at start-up. A new window is one type in this list (in its place
// in the order) and one line of the command table that opens it.
template <class... Windows> struct WindowList {
    using Owned = std::tuple<std::unique_ptr<Windows>...>;
};
using AllWindows = WindowList<GridDialog, BoundaryList, ElementList, AreaDialog, ElasticResultsList, BoundaryDialog,
                              PhysicalPropertiesDialog, ConditionList, InternalPointPotentialList, ColourScaleWindow,
                              InternalPointDialog, AnalysisTypeDialog, ScreenSettingsDialog, InternalPointList,
                              ElementDialog, ElasticConditionDialog, NumberPrompt, NodeDialog, NodeList, CircleDialog,
                              ResultScalingDialog, ConditionDialog, ResultsList, InternalPointResultsList,
                              BalanceList, ProbePlotWindow>;

// The one owner of the dialogs and list windows. Each is created once, in
// the order of AllWindows, handed the project and the interaction once, and
// reused for the whole run: it refills its fields each time it is shown. A
// window that stores into the model while it stays open ("Zastosuj",
// "Ustal jako aktualny") says so through its `stored` signal, which runs
// `onStored`.
class WindowSet {
public:
    WindowSet(Project& project, Interaction& ui, QWidget* mainWindow, std::function<void()> onStored);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    template <class W> W& get() const { return *std::get<std::unique_ptr<W>>(windows_); }

private:
    AllWindows::Owned windows_;
};

} // namespace zorind
