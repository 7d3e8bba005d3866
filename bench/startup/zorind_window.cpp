// The program's start-up as its main() runs it (the application object with
// its translation, the main window, show), ended at the first paint of the
// drawing area (see FirstPaint.h). Linked as the program is.
#include "FirstPaint.h"
#include "gui/app/Application.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"

int main(int argc, char** argv)
{
    const long long since = zorind::bench::sinceArgument(argc, argv);
    zorind::Application app(argc, argv);
    zorind::MainWindow window;
    zorind::bench::FirstPaint probe(window.drawingArea(), since);
    window.show();
    return app.exec();
}
