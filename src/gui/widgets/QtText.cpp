#include "gui/widgets/QtText.h"

namespace zorind {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text)
{
    return text.toUtf8().toStdString();
}

} // namespace zorind
