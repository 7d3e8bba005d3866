#include "app/TGL.h"

namespace zorind {

TGL::TGL(QWidget* parent) : QMainWindow(parent), qtUi_(this), ui_(&qtUi_)
{
    initialiseProject(project_);
    resize(640, 480);
    refreshCaption();
}

void TGL::refreshCaption()
{
    setWindowTitle(project_.titleText == " " ? QString::fromUtf8(kApplicationTitle) : toQString(project_.titleText));
}

} // namespace zorind
