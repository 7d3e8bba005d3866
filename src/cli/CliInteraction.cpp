#include "CliInteraction.h"

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

void CliInteraction::message(std::string_view text, std::string_view, MessageKind)
{
    ++messages_;
    std::string line = oneLine(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fflush(out_);
}

bool CliInteraction::ask(std::string_view text, std::string_view caption)
{
    message(text, caption, MessageKind::Information);
    return true;
}

} // namespace zorind::cli
