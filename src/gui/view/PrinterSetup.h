#pragma once

#include <memory>

#include "core/ui/Interaction.h"

class QPrinter;
class QWidget;

namespace zorind {

// "&Ustawienia drukarki" (Ustawieniadrukarki1Click): the platform's page and
// printer set-up dialog on one printer object that keeps the choice until
// the program ends. Nothing in the model or the view changes, so no repaint
// follows. Without any installed printer no dialog is offered; the user is
// told so instead.
class PrinterSetup {
public:
    explicit PrinterSetup(Interaction& ui);
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Returns true when the dialog was shown and confirmed.
    bool run(QWidget* parent);

    // The printer holding the choice; nothing before the first set-up.
    QPrinter* printer() const { return printer_.get(); }

private:
    Interaction* ui_;
    std::unique_ptr<QPrinter> printer_;
};

inline constexpr const char* kNoPrinterMessage = "Nie zainstalowano żadnej drukarki";
inline constexpr const char* kPrinterSetupCaption = "Ustawienia drukarki";

} // namespace zorind
