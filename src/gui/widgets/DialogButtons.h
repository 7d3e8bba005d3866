#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace zorind {

// The buttons at the bottom of the system's dialogs: "OK" (the default
// button, `Button1`) and, when `withCancel`, "Anuluj" (`Button2`), which
// closes the dialog as cancelled. "OK" runs `onOk`, or accepts the dialog
// when none is given.
//
// Every showing of the dialog starts afresh: "OK" is the default button
// again and the focus is in the first field (firstField), whatever button
// or field had it when the dialog last closed, so that Enter always means
// "OK". A dialog's own showEvent may put the focus elsewhere; that choice
// stands.
QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> onOk = {}, bool withCancel = true);

// The first field of `dialog` in its tab order after `after` (from the
// start when nullptr): a visible, enabled child that takes the focus by Tab
// and is no push button. Of a group of exclusive radio buttons the checked
// one stands for the group. Nothing when the dialog has no such field.
QWidget* firstField(QWidget* dialog, const QWidget* after = nullptr);

// Puts the focus into `field` (nothing when nullptr), its text selected so
// that typing replaces it.
void focusField(QWidget* field);

} // namespace zorind
