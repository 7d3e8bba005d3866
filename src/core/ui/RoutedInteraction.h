#pragma once

#include "core/ui/Interaction.h"

namespace zorind {

// Passes everything on to one target that can be changed at any time. The
// window hands this to every dialog once; tests then route the whole
// program's messages through their own double by changing the target.
class RoutedInteraction : public Interaction {
public:
    explicit RoutedInteraction(Interaction& target) : target_(&target) {}

    void setTarget(Interaction& target) { target_ = &target; }
    Interaction& target() const { return *target_; }

    void message(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        target_->message(text, caption, kind);
    }
    bool question(std::string_view text, std::string_view caption, MessageKind icon) override
    {
        return target_->question(text, caption, icon);
    }
    std::optional<bool> questionWithCancel(std::string_view text, std::string_view caption) override
    {
        return target_->questionWithCancel(text, caption);
    }
    std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                          std::string_view initial) override
    {
        return target_->promptText(caption, prompt, initial);
    }
    std::optional<double> promptNumber(std::string_view caption, std::string_view prompt, double initial) override
    {
        return target_->promptNumber(caption, prompt, initial);
    }
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override
    {
        return target_->chooseOpenFile(request);
    }
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override
    {
        return target_->chooseSaveFile(request);
    }
    void busy(bool on) override { target_->busy(on); }

private:
    Interaction* target_;
};

} // namespace zorind
