#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/session/RecentProjects.h"

class QAction;
class QMenu;

namespace zorind {

// The "Plik" menu's list of the projects last opened or saved: an item
// "&1 plyta.tav" per project, the most recent first, the full path as its
// tool tip, and a separator after the items; all hidden while the list is
// empty. The list outlives the run in the user's settings (QSettings of the
// application, key kSettingsKey), read when the menu is built and written
// whenever the list shown changes.
class RecentProjectsMenu : public QObject {
public:
    static constexpr const char* kSettingsKey = "recentProjects";

    // Adds the items at the end of `menu`; choosing one calls `open` with
    // its path.
    RecentProjectsMenu(QMenu* menu, std::function<void(const std::string&)> open);

    // The list as the settings keep it, cleaned of what no list can hold.
    static std::vector<std::string> stored();

    // Shows `recent`; when it differs from the list shown so far, it is
    // written to the settings.
    void follow(const std::vector<std::string>& recent);

    const std::vector<std::string>& shown() const { return shown_; }
    // Item i (0 for "&1").
    QAction* item(std::size_t i) const { return items_.at(i); }

private:
    void show(const std::vector<std::string>& recent);

    std::array<QAction*, kRecentProjectCount> items_{};
    QAction* separator_ = nullptr;
    std::vector<std::string> shown_;
};

} // namespace zorind
