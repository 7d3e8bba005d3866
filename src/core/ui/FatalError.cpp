#include "core/ui/FatalError.h"

#include <cstdio>
#include <cstdlib>

namespace zorind {

namespace {

// Decodes one UTF-8 sequence at `pos`; returns U+FFFD for broken input.
char32_t decode(std::string_view s, std::size_t& pos)
{
    unsigned char c = static_cast<unsigned char>(s[pos++]);
    if (c < 0x80) {
        return c;
    }
    int extra = (c >= 0xF0) ? 3 : (c >= 0xE0) ? 2 : (c >= 0xC0) ? 1 : -1;
    if (extra < 0) {
        return 0xFFFD;
    }
    char32_t cp = c & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return cp;
}

struct Mapping {
    char32_t unicode;
    unsigned char cp852;
};

// The Polish letters and the few other characters the messages use.
constexpr Mapping kPolish[] = {
    {U'ą', 0xA5}, {U'Ą', 0xA4}, {U'ć', 0x86}, {U'Ć', 0x8F}, {U'ę', 0xA9}, {U'Ę', 0xA8},
    {U'ł', 0x88}, {U'Ł', 0x9D}, {U'ń', 0xE4}, {U'Ń', 0xE3}, {U'ó', 0xA2}, {U'Ó', 0xE0},
    {U'ś', 0x98}, {U'Ś', 0x97}, {U'ź', 0xAB}, {U'Ź', 0x8D}, {U'ż', 0xBE}, {U'Ż', 0xBD},
};

} // namespace

std::string toCodePage852(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = decode(utf8, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (const Mapping& m : kPolish) {
            if (m.unicode == cp) {
                mapped = static_cast<char>(m.cp852);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

void fatalError(std::string_view message)
{
    const std::string lines = toCodePage852("Wystąpił bład podczas działania programu \n") + toCodePage852(message) +
                              "\n" + toCodePage852("...powrót do systemu...\n");
    std::fwrite(lines.data(), 1, lines.size(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace zorind
