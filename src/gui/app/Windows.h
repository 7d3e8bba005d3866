#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>

#include "session/Project.h"
#include "ui/Interaction.h"

namespace zorind {

class Td_siatki;
class Tl_brz;
class Tl_ele;
class Td_obsz;
class Tl_wyn_spr;
class Tobrzeg;
class Twf;
class Tl_wb;
class Tl_www;
class Tskala;
class Twwew;
class Ttypobl_;
class T_ustaw;
class Tl_wezw;
class Twb_wek;
class Tl_wez;
class Tw_elem;
class Tuwez;
class Twwez;
class Tokrag_;
class Tskaluj_;
class Twb;
class Tl_wyn;
class Tl_wyn_pw;

// Every dialog and list window of the program, in the order they are
// created at start-up. A new window is one type in this list (in its place
// in the order) and one line of the command table that opens it.
template <class... Windows> struct WindowList {
    using Owned = std::tuple<std::unique_ptr<Windows>...>;
};
using AllWindows =
    WindowList<Td_siatki, Tl_brz, Tl_ele, Td_obsz, Tl_wyn_spr, Tobrzeg, Twf, Tl_wb, Tl_www, Tskala, Twwew, Ttypobl_,
               T_ustaw, Tl_wezw, Tw_elem, Twb_wek, Tuwez, Twwez, Tl_wez, Tokrag_, Tskaluj_, Twb, Tl_wyn, Tl_wyn_pw>;

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
