#pragma once

#include <cstdio>

#include "ui/Interaction.h"

namespace zorind::cli {

// The command line's Interaction: every question is answered Yes, every
// message is printed on one line (a line break inside it written as the two
// characters \n), prompts and file choices are cancelled.
class CliInteraction : public Interaction {
public:
    explicit CliInteraction(std::FILE* out) : out_(out) {}

    void setOutput(std::FILE* out) { out_ = out; }
    int messageCount() const { return messages_; }

    void message(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool ask(std::string_view text, std::string_view caption) override;
    std::optional<std::string> promptText(std::string_view, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    std::optional<double> promptNumber(std::string_view, std::string_view, double) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const FileDialogSpec&) override { return std::nullopt; }

    // One message as a single line.
    static std::string oneLine(std::string_view text);

private:
    std::FILE* out_;
    int messages_ = 0;
};

} // namespace zorind::cli
