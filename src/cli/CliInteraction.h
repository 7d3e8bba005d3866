#pragma once

#include <cstdio>

#include "core/ui/ScriptedInteraction.h"

namespace zorind::cli {

// The command line's Interaction: every question is answered Yes, every
// message and question is printed on one line (a line break inside it
// written as the two characters \n) unless the output is null, prompts and
// file choices are cancelled.
class CliInteraction : public ScriptedInteraction {
public:
    explicit CliInteraction(std::FILE* out) : out_(out) { defaultAnswer = true; }

    void setOutput(std::FILE* out) { out_ = out; }
    int messageCount() const { return static_cast<int>(shown.size()); }

    // One message as a single line.
    static std::string oneLine(std::string_view text);
    // Prints one recorded message or question.
    static void print(std::FILE* out, std::string_view text);

protected:
    void onShown(const Shown& entry) override
    {
        if (out_ != nullptr) {
            print(out_, entry.text);
        }
    }

private:
    std::FILE* out_;
};

} // namespace zorind::cli
