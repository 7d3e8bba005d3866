#include "gui/app/Windows.h"

#include "gui/edit/BoundaryDialog.h"
#include "gui/edit/CircleDialog.h"
#include "gui/edit/ConditionDialog.h"
#include "gui/edit/ElasticConditionDialog.h"
#include "gui/edit/ElementDialog.h"
#include "gui/edit/InternalPointDialog.h"
#include "gui/edit/NodeDialog.h"
#include "gui/edit/NumberPrompt.h"
#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/lists/BoundaryList.h"
#include "gui/lists/ConditionList.h"
#include "gui/lists/ElementList.h"
#include "gui/lists/GridLists.h"
#include "gui/view/AnalysisTypeDialog.h"
#include "gui/view/AreaDialog.h"
#include "gui/view/ColourScaleWindow.h"
#include "gui/view/GridDialog.h"
#include "gui/view/ProbePlotWindow.h"
#include "gui/view/ResultScalingDialog.h"
#include "gui/view/ScreenSettingsDialog.h"

namespace zorind {

namespace {

// Windows take what they need of (project, interaction, parent); the
// colour-scale window is a top-level window of its own beside the main one.
template <class W> std::unique_ptr<W> create(Project& project, Interaction& ui, QWidget* mainWindow)
{
    if constexpr (std::is_same_v<W, ColourScaleWindow>) {
        auto scale = std::make_unique<W>(project);
        // It never keeps the program running on its own.
        scale->setAttribute(Qt::WA_QuitOnClose, false);
        return scale;
    } else if constexpr (std::is_constructible_v<W, Project&, Interaction&, QWidget*>) {
        return std::make_unique<W>(project, ui, mainWindow);
    } else if constexpr (std::is_constructible_v<W, Project&, QWidget*>) {
        return std::make_unique<W>(project, mainWindow);
    } else {
        return std::make_unique<W>(mainWindow);
    }
}

template <class W>
std::unique_ptr<W> createAndConnect(Project& project, Interaction& ui, QWidget* mainWindow,
                                    const std::function<void()>& onStored)
{
    std::unique_ptr<W> window = create<W>(project, ui, mainWindow);
    if constexpr (requires { &W::stored; }) {
        QObject::connect(window.get(), &W::stored, window.get(), onStored);
    }
    return window;
}

template <class... W>
void createAll(std::tuple<std::unique_ptr<W>...>& all, Project& project, Interaction& ui, QWidget* mainWindow,
               const std::function<void()>& onStored)
{
    // The comma fold runs left to right: the creation order is the list's.
    ((std::get<std::unique_ptr<W>>(all) = createAndConnect<W>(project, ui, mainWindow, onStored)), ...);
}

} // namespace

WindowSet::WindowSet(Project& project, Interaction& ui, QWidget* mainWindow, std::function<void()> onStored)
{
    createAll(windows_, project, ui, mainWindow, onStored);
}

WindowSet::~WindowSet() = default;

} // namespace zorind
