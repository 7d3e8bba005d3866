#include "gui/app/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

#include "core/session/Project.h"
#include "core/ui/Messages.h"

namespace zorind {

namespace {

std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogSpec& request, bool save)
{
    QFileDialog dialog(parent, toQString(request.title));
    dialog.setNameFilters(QtInteraction::nameFilters(request));
    if (save) {
        dialog.setDefaultSuffix(toQString(request.defaultExtension));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
        // Qt's own dialog always asks before overwriting, also when it adds
        // the default extension; some desktop dialogs do not.
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    } else {
        // No default suffix here: Qt would add it also to the name of an
        // existing file without one. The extension is tried afterwards, only
        // for a name that does not exist.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString chosen = dialog.selectedFiles().constFirst();
    if (!save) {
        chosen = QtInteraction::openedName(chosen, toQString(request.defaultExtension));
    }
    return fromQString(QDir::toNativeSeparators(chosen));
}

} // namespace

QStringList QtInteraction::nameFilters(const FileDialogSpec& request)
{
    QStringList filters;
    for (const FileFilter& f : request.filters) {
        QString label = toQString(f.name);
        const qsizetype paren = label.indexOf(QStringLiteral(" ("));
        if (paren >= 0) {
            label.truncate(paren);
        }
        // "*.*" stands for every file; Qt would take it literally and hide
        // the names without a dot.
        const QString pattern = f.pattern == "*.*" ? QStringLiteral("*") : toQString(f.pattern);
        filters << label + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters;
}

QString QtInteraction::openedName(const QString& typed, const QString& defaultExtension)
{
    if (QFileInfo::exists(typed) || defaultExtension.isEmpty() || !QFileInfo(typed).suffix().isEmpty()) {
        return typed;
    }
    const QString withExtension = typed + QLatin1Char('.') + defaultExtension;
    return QFileInfo::exists(withExtension) ? withExtension : typed;
}

void QtInteraction::message(std::string_view text, std::string_view caption, MessageKind kind)
{
    QMessageBox box(parent_);
    box.setText(toQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    switch (kind) {
    case MessageKind::Plain:
        // Plain boxes carry the application title unless they name their own.
        box.setWindowTitle(caption.empty() ? QString::fromUtf8(kApplicationTitle) : toQString(caption));
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageKind::Error:
        box.setWindowTitle(toQString(caption));
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Exclamation:
        box.setWindowTitle(toQString(caption));
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Information:
        box.setWindowTitle(toQString(caption));
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.exec();
}

bool QtInteraction::question(std::string_view text, std::string_view caption, MessageKind icon)
{
    QMessageBox box(icon == MessageKind::Exclamation ? QMessageBox::Warning : QMessageBox::Question, toQString(caption),
                    toQString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> QtInteraction::questionWithCancel(std::string_view text, std::string_view caption)
{
    QMessageBox box(QMessageBox::Warning, toQString(caption), toQString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    // The program's own words on the buttons, whatever Qt's language.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Anuluj"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return true;
    case QMessageBox::No:
        return false;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> QtInteraction::promptText(std::string_view caption, std::string_view prompt,
                                                     std::string_view initial)
{
    QInputDialog box(parent_);
    box.setWindowTitle(toQString(caption));
    box.setLabelText(toQString(prompt));
    box.setTextValue(toQString(initial));
    // The program's own words on the buttons, whatever Qt's language.
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Anuluj"));
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fromQString(box.textValue());
}

std::optional<double> QtInteraction::promptNumber(std::string_view caption, std::string_view prompt, double initial)
{
    for (;;) {
        auto text = promptText(caption, prompt, fromQString(QLocale().toString(initial, 'g', 15)));
        if (!text) {
            return std::nullopt;
        }
        bool ok = false;
        double value = QLocale().toDouble(toQString(*text).trimmed(), &ok);
        if (ok && std::isfinite(value)) {
            return value;
        }
        message("Złe dane", caption, MessageKind::Error);
    }
}

std::optional<std::string> QtInteraction::chooseOpenFile(const FileDialogSpec& request)
{
    return runFileDialog(parent_, request, false);
}

std::optional<std::string> QtInteraction::chooseSaveFile(const FileDialogSpec& request)
{
    return runFileDialog(parent_, request, true);
}

void QtInteraction::busy(bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace zorind
