#include "gui/app/Application.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

#include "core/model/Version.h"
#include "core/session/Project.h"
#include "core/ui/Messages.h"

namespace zorind {

namespace {
std::function<void(const QString&)>& errorReporter()
{
    static std::function<void(const QString&)> reporter;
    return reporter;
}
} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // Both name where the user's settings (the recent projects) are kept.
    setOrganizationName(QString::fromUtf8(kApplicationTitle));
    setApplicationName(QString::fromUtf8(kApplicationTitle));
    setApplicationVersion(QString::fromUtf8(kApplicationVersion));
    // The icon the desktop shows for the installed program, on every window;
    // on Wayland the desktop finds it, and the name, through the entry.
    setWindowIcon(QIcon(QStringLiteral(":/zorind.svg")));
    setDesktopFileName(QString::fromUtf8(kDesktopId));
    installPolishTranslation();
}

bool Application::installPolishTranslation()
{
    // Qt's own texts (Yes/No, the file dialogs) in Polish like everything
    // else; without Debian's translations they stay in English.
    auto* translator = new QTranslator(this);
    if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return installTranslator(translator);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error.what());
    } catch (...) {
        showError("Nieznany błąd");
    }
    return false;
}

void Application::setErrorReporter(std::function<void(const QString&)> reporter)
{
    errorReporter() = std::move(reporter);
}

void Application::showError(const char* what)
{
    if (errorReporter()) {
        errorReporter()(QString::fromUtf8(what));
        return;
    }
    QMessageBox::critical(activeWindow(), QString::fromUtf8(kApplicationTitle), QString::fromUtf8(what));
}

} // namespace zorind
