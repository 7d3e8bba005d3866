#include "cli/CliInteraction.h"

namespace zorind::cli {

std::string CliInteraction::oneLine(std::string_view text)
{
    std::string line;
    line.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

void CliInteraction::print(std::FILE* out, std::string_view text)
{
    std::string line = oneLine(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out);
    std::fflush(out);
}

} // namespace zorind::cli
