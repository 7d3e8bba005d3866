#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The analysis-type dialog as "Nowy" needs it: the chosen code on OK,
// nothing on "Anuluj".
using ChooseAnalysisType = std::function<std::optional<int>()>;

// Brings the window up to date (caption, drawing) before a command's
// closing message, so that the message is read over the new state.
using ShowModel = std::function<void()>;

// "TAV " followed by the path, shortened at the front of the path with "..."
// so that the caption never exceeds its 199 characters.
std::string projectCaption(const std::string& path);

// "Nowy": after the offer to save (or, with nothing to save, the question
// "Tworząc nowy projekt utracisz wszystkie dane..." while a project is
// open), an empty project of the type chosen.
void newProject(Project& project, Interaction& ui, const ChooseAnalysisType& chooseAnalysisType,
                const ShowModel& showModel = {});

// "Otwórz": hides the results, then the offer to save (or "Czy chcesz
// utracić aktualne dane ?" while a project is open), resets, shows the open
// dialog and reads the file.
void openProject(Project& project, Interaction& ui, const ShowModel& showModel = {});

// Reads `path` into a freshly reset project as "Otwórz" does once the file
// is chosen (used for a file named on the command line). `announce` shows
// the "Odczytano dane z pliku" box after success. Returns true when the file
// was read; on failure the error is shown and the model stays empty.
bool openProjectPath(Project& project, Interaction& ui, const std::string& path, bool announce,
                     const ShowModel& showModel = {});

// "&Zapisz" / "Zapisz &jako": always asks for the file name.
bool saveProject(Project& project, Interaction& ui, const ShowModel& showModel = {});

// "&Zapisz" (Ctrl+S): writes the project to the file it was last opened
// from or saved to, without the dialog and without a closing message (the
// caption shows the saved state); the same checks as a save to a chosen
// path. A project without a file goes through the dialog, as "Zapisz
// &jako". Returns whether the file was written.
bool saveToProjectFile(Project& project, Interaction& ui, const ShowModel& showModel = {});

// Saves to a known path (without the dialog), with the same checks and
// messages. Values the file would store as 0 although they are not are
// named first, and the user may cancel. Returns true when the file was written.
bool saveProjectPath(Project& project, Interaction& ui, const std::string& path, bool announce,
                     const ShowModel& showModel = {});

// Whether the model differs, as its project file would, from the state it
// was last opened, saved or started afresh in. The results are not part of
// the file, so a compute changes nothing here.
bool hasUnsavedChanges(const Project& project);

// The model as it is now becomes the saved state.
void markSaved(Project& project);

inline constexpr const char* kUnsavedChangesQuestion = "Projekt został zmieniony. Zapisać zmiany?";

// A Yes/No question by its text and caption; no text: nothing to ask.
struct Question {
    const char* text = nullptr;
    const char* caption = nullptr;
};

// Before a command that would drop the model (a new project, another file,
// the end of the program): one question for one decision. With unsaved
// changes it is whether to save them (Tak, Nie, Anuluj): Tak saves, to the
// project's own file or through the save dialog for a project without one,
// and goes on only when the file was written; Nie goes on; Anuluj stops.
// With nothing to save, the command's own `confirmation` is asked instead
// (if any), and Yes goes on. Returns whether the command may go on.
bool offerToSave(Project& project, Interaction& ui, const Question& confirmation = {}, const ShowModel& showModel = {});

// A project of the "Plik" menu's list of recent projects, opened as
// "Otwórz" opens the file chosen in its dialog: the offer to save (or
// "Otwórz"'s question), the reset and the reading. A path that names no file
// is taken off the list with a message, and nothing else happens.
void openRecentProject(Project& project, Interaction& ui, const std::string& path, const ShowModel& showModel = {});

inline constexpr const char* kRecentProjectGone = "\nUsunięto go z listy ostatnio używanych projektów.";

} // namespace zorind
