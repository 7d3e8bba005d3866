#pragma once

#include <QWidget>

#include "ui/Interaction.h"

namespace zorind {

// The Interaction of the window: Qt message boxes with the caption and icon
// each message asks for, an input dialog for prompts and Qt's file dialogs.
class QtInteraction : public Interaction {
public:
    explicit QtInteraction(QWidget* parent) : parent_(parent) {}

    void message(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool ask(std::string_view text, std::string_view caption) override;
    std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                          std::string_view initial) override;
    std::optional<double> promptNumber(std::string_view caption, std::string_view prompt, double initial) override;
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override;
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override;
    void busy(bool on) override;

private:
    QWidget* parent_;
};

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

} // namespace zorind
