#pragma once

#include <QSize>

class QWidget;

namespace zorind {

// Sizes a list window to what it shows: `content` is the size that shows
// every column, the heading and every entry unshortened. The window gets
// its designed size `least` as its minimum and is never smaller than that,
// nor larger than the room the screen leaves (the list then scrolls).
void fitListWindow(QWidget* window, QSize least, QSize content);

} // namespace zorind
