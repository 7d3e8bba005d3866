#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <exception>

#include "core/model/Version.h"
#include "core/session/FileCommands.h"
#include "core/session/Project.h"
#include "core/ui/Messages.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"

int main(int argc, char** argv)
{
    // Answered before any window, or a display, is needed; otherwise the
    // word would be taken for the name of a project to open.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("zorind (%s) %s\n", zorind::kApplicationTitle, zorind::kApplicationVersion);
        return 0;
    }
    zorind::Application app(argc, argv);
    try {
        zorind::MainWindow window;
        window.show();
        if (argc > 1) {
            // A project named on the command line opens as "Otwórz" reads it.
            // The caption shows the full path, as after "Otwórz".
            const QString path = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
            zorind::openProjectPath(window.project(), window.interaction(),
                                    QDir::toNativeSeparators(path).toStdString(), false);
            window.requestRepaint();
        }
        return app.exec();
    } catch (const std::exception& error) {
        // An error during start-up is shown the same way and ends the program.
        zorind::Application::showError(error.what());
        return 1;
    }
}
