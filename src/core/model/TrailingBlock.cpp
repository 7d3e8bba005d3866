#include "core/model/TrailingBlock.h"

#include <vector>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

constexpr std::string_view kClosingText = "Koniec pliku";

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    while (!(s = trimmedBlanks(s)).empty()) {
        std::size_t end = 0;
        while (end < s.size() && !isScanfBlank(s[end])) {
            ++end;
        }
        out.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
    return out;
}

// A word as a message may show it: short printable ASCII, or nothing.
std::string shownWord(std::string_view word)
{
    if (word.size() > 24) {
        return {};
    }
    for (const char c : word) {
        if (c < 0x21 || c > 0x7E) {
            return {};
        }
    }
    return " \"" + std::string(word) + "\"";
}

// The material of "material E nu plane-strain|plane-stress", or why not.
std::optional<std::string> readMaterial(std::string_view text, Material& material)
{
    const std::vector<std::string_view> w = words(text);
    if (w.size() != 4) {
        return std::string("wiersz material wymaga trzech wartości: modułu Younga, liczby Poissona i stanu (") +
               kPlaneStrainWord + " albo " + kPlaneStressWord + ")";
    }
    Material m;
    const std::optional<double> young = parseFiniteDouble(w[1]);
    if (!young) {
        return "niepoprawna liczba" + shownWord(w[1]) + " (moduł Younga)";
    }
    const std::optional<double> poisson = parseFiniteDouble(w[2]);
    if (!poisson) {
        return "niepoprawna liczba" + shownWord(w[2]) + " (liczba Poissona)";
    }
    if (w[3] != kPlaneStrainWord && w[3] != kPlaneStressWord) {
        return "niepoprawny stan" + shownWord(w[3]) + " (" + kPlaneStrainWord + " albo " + kPlaneStressWord + ")";
    }
    m.youngModulus = *young;
    m.poissonRatio = *poisson;
    m.planeStress = w[3] == kPlaneStressWord;
    if (std::optional<std::string> fault = materialFault(m)) {
        return fault;
    }
    material = m;
    return std::nullopt;
}

} // namespace

void appendTrailingBlock(std::string& out, const Model& model)
{
    if (model.material.isDefault() && model.keptBlockLines.empty()) {
        return;
    }
    out += '\n';
    out += kTrailingBlockHeader;
    out += '\n';
    if (!model.material.isDefault()) {
        out += materialLine(model.material);
        out += '\n';
    }
    for (const std::string& line : model.keptBlockLines) {
        out += line;
        out += '\n';
    }
}

std::optional<std::string> readTrailingBlock(std::string_view rest, int line, Model& model)
{
    model.material = Material{};
    model.keptBlockLines.clear();
    // The closing text, then the block's header on a line of its own.
    std::size_t at = 0;
    while (at < rest.size() && isScanfBlank(rest[at])) {
        line += rest[at] == '\n' ? 1 : 0;
        ++at;
    }
    if (rest.substr(at, kClosingText.size()) != kClosingText) {
        return std::nullopt;
    }
    rest.remove_prefix(at + kClosingText.size());
    bool inBlock = false;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view text = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::string_view content = trimmedBlanks(text);
        if (!inBlock) {
            if (content == kTrailingBlockHeader) {
                inBlock = true;
            } else if (!content.empty()) {
                return std::nullopt; // not a block of ours
            }
        } else if (!content.empty() && words(content).front() == "material") {
            if (std::optional<std::string> fault = readMaterial(content, model.material)) {
                return "Wiersz " + std::to_string(line) + ": " + *fault;
            }
        } else if (!content.empty()) {
            model.keptBlockLines.emplace_back(content);
        }
        ++line;
    }
    return std::nullopt;
}

std::string keptBlockLinesNote(const Model& model)
{
    std::string note = "Wiersze bloku [zorind], których ten program nie zna, zostaną zachowane przy zapisie:";
    for (const std::string& line : model.keptBlockLines) {
        note += '\n' + line;
    }
    return note;
}

} // namespace zorind
