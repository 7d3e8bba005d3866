#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorind {

// The kinds of message box. Plain boxes have no icon and, unless a caption
// is given, the application title as their caption.
enum class MessageKind { Plain, Error, Exclamation, Information };

struct FileFilter {
    std::string name;    // "Pliki edytora (*.tav)"
    std::string pattern; // "*.tav"
};

struct FileDialogSpec {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension; // without the dot; added to a typed name that has none
};

// The one narrow channel through which commands talk to the user. The Qt
// front end shows real dialogs, tests script the answers and the command
// line answers Yes and prints.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A modal message box. A plain box without a caption of its own shows
    // the application title.
    virtual void message(std::string_view text, std::string_view caption, MessageKind kind) = 0;
    void plain(std::string_view text) { message(text, {}, MessageKind::Plain); }
    void error(std::string_view text, std::string_view caption) { message(text, caption, MessageKind::Error); }
    void exclamation(std::string_view text, std::string_view caption)
    {
        message(text, caption, MessageKind::Exclamation);
    }

    // A Yes/No question; true only for Yes. It shows the question mark,
    // or the exclamation icon for a question that warns (`Exclamation`).
    bool ask(std::string_view text, std::string_view caption, MessageKind icon = MessageKind::Information)
    {
        return question(text, caption, icon);
    }
    virtual bool question(std::string_view text, std::string_view caption, MessageKind icon) = 0;

    // A Yes/No/Cancel question ("Tak", "Nie", "Anuluj"): true for Yes, false
    // for No, nothing for Cancel.
    virtual std::optional<bool> questionWithCancel(std::string_view text, std::string_view caption) = 0;

    // A one-line prompt. Nothing when the user cancels.
    virtual std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                                  std::string_view initial) = 0;
    // A number prompt; nothing when the user cancels. The text is parsed in
    // the user's locale by the front end.
    virtual std::optional<double> promptNumber(std::string_view caption, std::string_view prompt, double initial) = 0;

    // File choice; nothing when cancelled. The result is a full path.
    virtual std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) = 0;
    // The save dialog asks before overwriting an existing file.
    virtual std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) = 0;

    // Long-running work is about to start or has ended (wait cursor).
    virtual void busy(bool /*on*/) {}
};

// The wait cursor from construction until end() or the end of the scope,
// for a command's long-running part.
class BusyGuard {
public:
    explicit BusyGuard(Interaction& ui) : ui_(ui) { ui_.busy(true); }
    ~BusyGuard() { end(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
    void end()
    {
        if (on_) {
            on_ = false;
            ui_.busy(false);
        }
    }

private:
    Interaction& ui_;
    bool on_ = true;
};

// The project-file dialogs' filter list and extension.
FileDialogSpec projectOpenDialog();
FileDialogSpec projectSaveDialog();

} // namespace zorind
