#include "app/Windows.h"

#include "edit/Tobrzeg.h"
#include "edit/Tokrag_.h"
#include "edit/Tuwez.h"
#include "edit/Tw_elem.h"
#include "edit/Twb.h"
#include "edit/Twb_wek.h"
#include "edit/Twf.h"
#include "edit/Twwew.h"
#include "edit/Twwez.h"
#include "lists/Tl_brz.h"
#include "lists/Tl_ele.h"
#include "lists/Tl_wb.h"
#include "lists/Tl_wez.h"
#include "lists/Tl_wezw.h"
#include "lists/Tl_www.h"
#include "lists/Tl_wyn.h"
#include "lists/Tl_wyn_pw.h"
#include "lists/Tl_wyn_spr.h"
#include "view/T_ustaw.h"
#include "view/Td_obsz.h"
#include "view/Td_siatki.h"
#include "view/Tskala.h"
#include "view/Tskaluj_.h"
#include "view/Ttypobl_.h"

namespace zorind {

namespace {

// Windows take what they need of (project, interaction, parent); the
// colour-scale window is a top-level window of its own beside the main one.
template <class W> std::unique_ptr<W> create(Project& project, Interaction& ui, QWidget* mainWindow)
{
    if constexpr (std::is_same_v<W, Tskala>) {
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
