#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zorind {

// The model's UTF-8 texts as Qt's strings and back.
QString toQString(std::string_view text);
std::string fromQString(const QString& text);

} // namespace zorind
