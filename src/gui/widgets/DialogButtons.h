#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;

namespace zorind {

// The buttons at the bottom of the system's dialogs: "OK" (the default
// button, `Button1`) and, when `withCancel`, "Anuluj" (`Button2`), which
// closes the dialog as cancelled. "OK" runs `onOk`, or accepts the dialog
// when none is given.
QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> onOk = {}, bool withCancel = true);

} // namespace zorind
