#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/Interaction.h"

namespace zorind {

// An Interaction that records every message and answers from queues. Used
// by the tests; when a queue runs dry the answer is No / cancel.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageKind kind;
        bool isQuestion = false;
    };

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<double>> numbers;
    std::deque<std::optional<std::string>> files;

    std::vector<Shown> shown;
    std::vector<FileDialogSpec> fileDialogs;
    int busyCalls = 0;

    void message(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool ask(std::string_view text, std::string_view caption) override;
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
};

} // namespace zorind
