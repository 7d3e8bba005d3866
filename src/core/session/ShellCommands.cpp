#include "core/session/ShellCommands.h"
#include "core/model/Version.h"
#include "core/ui/Messages.h"

namespace zorind {

bool confirmExit(Project& project, Interaction& ui, const ShowModel& showModel)
{
    if (!offerToSave(project, ui, {"Zakończyć działanie programu ?", "Zakończenie pracy programu"}, showModel)) {
        return false;
    }
    project.display.showPotential = 0;
    project.display.showFlux = 0;
    return true;
}

void showAbout(Interaction& ui)
{
    ui.plain(std::string(kApplicationTitle) + "\nwersja " + kApplicationVersion);
}

} // namespace zorind
