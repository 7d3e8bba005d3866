#include "core/ui/Interaction.h"

namespace zorind {

namespace {
FileDialogSpec projectDialog(const char* title)
{
    return FileDialogSpec{title, {{"Pliki edytora (*.tav)", "*.tav"}, {"Wszystkie pliki (*.*)", "*.*"}}, "tav"};
}
} // namespace

FileDialogSpec projectOpenDialog()
{
    return projectDialog("Otwarcie pliku");
}

FileDialogSpec projectSaveDialog()
{
    return projectDialog("Zapis pliku");
}

} // namespace zorind
