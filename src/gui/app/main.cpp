#include <QApplication>

#include "app/TGL.h"
#include "model/FileCommands.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zorind::kApplicationTitle));
    zorind::TGL window;
    window.show();
    if (argc > 1) {
        zorind::openProjectPath(window.project(), window.interaction(), argv[1], false);
        window.refreshCaption();
    }
    return app.exec();
}
