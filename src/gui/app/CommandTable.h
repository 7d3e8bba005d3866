#pragma once

#include <QKeyCombination>
#include <span>

#include "core/session/Describe.h"
#include "gui/app/Icons.h"

namespace zorind {

class MainWindow;

// Where an entry of the command table goes.
enum class Place {
    FileMenu,
    AddMenu,
    CurveMenu, // submenu of "&Dodaj"
    ChangeMenu,
    DeleteMenu,
    ListsMenu,
    ComputeMenu,
    ViewMenu,
    SettingsMenu,
    HelpMenu,
    CommandToolBar,  // tool bar 1
    SelectorToolBar, // tool bar 2
    RightPopup,      // popup of the idle pointer
    PolylinePopup,   // popup while a polyline is drawn
};

enum class Entry {
    Command, // a menu item or tool button
    Separator,
    Submenu,        // where the submenu of that object name (a menu row) stands
    Selector,       // a drop-down list of tool bar 2, built by the window
    RecentProjects, // the list of the projects last opened or saved, built by the window
};

// Whether an entry can be used. Nothing else enables or disables entries.
enum class Enabled {
    Always,
    Never,                    // shown greyed out for the whole run
    WithResults,              // BT and BTN: computed potential results
    WithUndo,                 // a step to take back
    WithRedo,                 // a step taken back to do again
    ForElasticity,            // an elasticity analysis (type 10)
    WithInternalPointResults, // elasticity results computed here, with internal points
};

using Handler = void (*)(MainWindow&);

// One menu item, tool button or popup item: where it goes, its object name,
// its caption (menus) or hint (tool buttons), shortcut, icon, enabled rule,
// the switch that checks it or holds it down, and the command it runs.
struct CommandRow {
    Place place;
    Entry entry = Entry::Command;
    const char* name = nullptr;
    const char* text = nullptr;
    QKeyCombination shortcut = {};
    IconKind icon = IconKind::None;
    Enabled enabled = Enabled::Always;
    bool ToolBarState::*checked = nullptr; // checkable when set; refreshed by every repaint
    Handler handler = nullptr;             // nullptr: choosing it does nothing
    QKeyCombination otherShortcut = {};    // a second key for the same command
};

struct MenuRow {
    Place place;
    const char* name;
    const char* caption;
    Place parent; // itself for a menu of the menu bar
};

// The menus of the menu bar and its submenus, in order.
std::span<const MenuRow> menuRows();
// Every entry of the menus, tool bars and popups, each place's in order.
std::span<const CommandRow> commandRows();

} // namespace zorind
