#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/Interaction.h"

namespace zorind {

// An Interaction that records every message and question and answers from
// queues; when a queue runs dry a question gets `defaultAnswer` and a prompt
// or file choice is cancelled. The tests script it; the command line
// derives from it to print what it records and answer Yes.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageKind kind;
        bool isQuestion = false;
    };

    std::deque<bool> answers;
    // Answers to Yes/No/Cancel questions; when it runs dry, `defaultChoice`.
    std::deque<std::optional<bool>> choices;
    std::optional<bool> defaultChoice = false;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<double>> numbers;
    std::deque<std::optional<std::string>> files;

    bool defaultAnswer = false;

    std::vector<Shown> shown;
    std::vector<FileDialogSpec> fileDialogs;
    int busyCalls = 0;

    void message(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool question(std::string_view text, std::string_view caption, MessageKind icon) override;
    std::optional<bool> questionWithCancel(std::string_view text, std::string_view caption) override;
    std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                          std::string_view initial) override;
    std::optional<double> promptNumber(std::string_view caption, std::string_view prompt, double initial) override;
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override;
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override;
    void busy(bool on) override;

    // The texts of every box and question in order.
    std::vector<std::string> textsShown() const;
    void clear()
    {
        shown.clear();
        fileDialogs.clear();
    }

protected:
    // Called after every message and question is recorded.
    virtual void onShown(const Shown& /*entry*/) {}
};

} // namespace zorind
