#include "gui/widgets/NumberFields.h"

#include "core/model/NumberFormat.h"

#include <QLocale>

namespace zorind {

QString floatFieldText(float value)
{
    // Built from ASCII digits and the one separator parseNumberField reads,
    // not by QLocale, whose minus sign and digits some locales write in
    // characters that would not read back.
    return QString::fromStdString(fieldNumber(value, decimalSeparator()));
}

std::optional<double> parseNumberField(const QString& text)
{
    return parseDecimalText(text.toStdString(), decimalSeparator());
}

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
}

} // namespace zorind
