// A bare Qt window, the yardstick of the program's start-up: an application
// object and one white 640 × 480 widget, ended at its first paint (see
// FirstPaint.h). Linked with Qt Widgets alone.
#include <QApplication>
#include <QWidget>

#include "FirstPaint.h"

int main(int argc, char** argv)
{
    const long long since = zorind::bench::sinceArgument(argc, argv);
    QApplication app(argc, argv);
    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    window.resize(640, 480);
    zorind::bench::FirstPaint probe(&window, since);
    window.show();
    return app.exec();
}
