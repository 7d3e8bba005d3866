#include "gui/app/Windows.h"

#include <utility>

#include "gui/edit/ArcDialog.h"
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
#include "gui/view/DataScalingDialog.h"
#include "gui/view/GridDialog.h"
#include "gui/view/HelpWindow.h"
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
void createOne(std::size_t index, std::tuple<std::unique_ptr<W>...>& all, Project& project, Interaction& ui,
               QWidget* mainWindow, const std::function<void()>& onStored)
{
    (void)((index == AllWindows::indexOf<W>()
                ? (std::get<std::unique_ptr<W>>(all) = createAndConnect<W>(project, ui, mainWindow, onStored), false)
                : true) &&
           ...);
}

} // namespace

WindowSet::WindowSet(Project& project, Interaction& ui, QWidget* mainWindow, std::function<void()> onStored)
    : project_(project), ui_(ui), mainWindow_(mainWindow), onStored_(std::move(onStored))
{
}

void WindowSet::create(std::size_t index) const
{
    createOne(index, windows_, project_, ui_, mainWindow_, onStored_);
}

WindowSet::~WindowSet() = default;

} // namespace zorind
