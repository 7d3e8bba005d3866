#include "gui/lists/ListWindowSize.h"

#include <QScreen>
#include <QWidget>

namespace zorind {

void fitListWindow(QWidget* window, QSize least, QSize content)
{
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* screen = window->screen()) {
        // The frame around the window (its title bar) needs room too, once
        // the window has one.
        room = screen->availableGeometry().size() - (window->frameGeometry().size() - window->size());
    }
    const QSize minimum = least.boundedTo(room);
    window->setMinimumSize(minimum);
    window->resize(content.expandedTo(minimum).boundedTo(room));
}

} // namespace zorind
