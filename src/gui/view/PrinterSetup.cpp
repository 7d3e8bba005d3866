#include "gui/view/PrinterSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zorind {

PrinterSetup::PrinterSetup(Interaction& ui) : ui_(&ui) {}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::run(QWidget* parent)
{
    // A printer object without a printer behind it would open a set-up for
    // nothing (or a file-output fallback); the user learns why instead.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        ui_->message(kNoPrinterMessage, kPrinterSetupCaption, MessageKind::Information);
        return false;
    }
    if (!printer_) {
        printer_ =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter().isNull()
                                           ? QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().first())
                                           : QPrinterInfo::defaultPrinter());
    }
    QPageSetupDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(QString::fromUtf8(kPrinterSetupCaption));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zorind
