#pragma once

#include <QStringList>
#include <QWidget>

#include "core/ui/Interaction.h"
#include "gui/widgets/QtText.h"

namespace zorind {

// The Interaction of the window: Qt message boxes with the caption and icon
// each message asks for, an input dialog for prompts and Qt's file dialogs.
class QtInteraction : public Interaction {
public:
    explicit QtInteraction(QWidget* parent) : parent_(parent) {}

    void message(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool question(std::string_view text, std::string_view caption, MessageKind icon) override;
    std::optional<bool> questionWithCancel(std::string_view text, std::string_view caption) override;
    std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                          std::string_view initial) override;
    std::optional<double> promptNumber(std::string_view caption, std::string_view prompt, double initial) override;
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override;
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override;
    void busy(bool on) override;

    // The file dialogs' filters in Qt's form; "*.*" matches every name.
    static QStringList nameFilters(const FileDialogSpec& request);
    // The file an open dialog's entry names: the entry itself when it
    // exists, otherwise the entry with the default extension when that
    // exists and the entry has none.
    static QString openedName(const QString& typed, const QString& defaultExtension);

private:
    QWidget* parent_;
};

} // namespace zorind
