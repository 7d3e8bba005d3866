#pragma once

#include <QColor>

#include "view/ColourPalette.h"

namespace zorind {

inline QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace zorind
