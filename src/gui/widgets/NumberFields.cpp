#include "widgets/NumberFields.h"

#include "model/NumberFormat.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>

namespace zorind {

QString floatFieldText(float value)
{
    // The shortest round-trip text of the float itself (0.1f is "0.1", not
    // the 0.10000000149 of its double), then put into the user's notation.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    const QString plain = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    bool ok = false;
    const double shortest = plain.toDouble(&ok);
    if (!ok) {
        return plain;
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(shortest, 'g', QLocale::FloatingPointShortest);
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
