#pragma once

#include <QColor>

#include "core/view/ColourPalette.h"

namespace zorind {

inline QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace zorind
