#include "model/ProjectFile.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#include "model/NumberFormat.h"

namespace zorind {

namespace {

void appendInt(std::string& out, int value)
{
    out += std::to_string(value);
}

} // namespace

std::string writeProjectText(const Project& p)
{
    std::string out;
    out.reserve(256 + 40 * static_cast<std::size_t>(p.nodeCount() + p.conditionCount() * 3 + p.internalPointCount()));

    appendInt(out, p.nodeCount());
    for (int count : {p.elementCount(), p.conditionCount(), p.boundaryCount(), p.internalPointCount()}) {
        out += ' ';
        appendInt(out, count);
    }
    out += '\n';

    for (int k = 1; k <= p.nodeCount(); ++k) {
        appendFixed(out, p.nodes[k].x, 15);
        out += ' ';
        appendFixed(out, p.nodes[k].y, 15);
        out += '\n';
    }
    for (int k = 1; k <= p.elementCount(); ++k) {
        const Element& e = p.elements[k];
        appendInt(out, e.startNode);
        out += ' ';
        appendInt(out, e.endNode);
        out += ' ';
        appendInt(out, e.condition);
        out += ' ';
        appendInt(out, e.boundary);
        out += '\n';
    }
    for (int k = 1; k <= p.conditionCount(); ++k) {
        const BoundaryCondition& c = p.conditions[k];
        const float values[] = {c.kind, c.atNode1, c.atMiddle, c.atNode2, c.atNode1Y, c.atMiddleY, c.atNode2Y};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            if (i > 0) {
                out += ' ';
            }
            appendFixed(out, values[i], 6);
        }
        out += '\n';
    }
    for (int k = 1; k <= p.boundaryCount(); ++k) {
        appendInt(out, p.boundaries[k].kind);
        out += '\n';
    }
    appendFixed(out, p.conductivity, 6);
    out += ' ';
    appendFixed(out, p.ambientTemperature, 6);
    out += '\n';
    for (int k = 1; k <= p.internalPointCount(); ++k) {
        appendFixed(out, p.internalPoints[k].x, 6);
        out += ' ';
        appendFixed(out, p.internalPoints[k].y, 6);
        out += '\n';
    }
    appendInt(out, p.analysisType);
    out += '\n';
    out += "Koniec pliku";
    return out;
}

namespace {

// Splits the text into whitespace-separated tokens and remembers the line of
// each, so that a damaged file can be pointed at.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    struct Failure {
        std::string reason;
    };

    std::string_view next(const char* what)
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            throw Failure{std::string("Nieoczekiwany koniec pliku (brak: ") + what + ")"};
        }
        std::size_t start = pos_;
        while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    int integer(const char* what)
    {
        std::string_view token = next(what);
        auto value = parseInt(token);
        if (!value) {
            throw Failure{where() + "niepoprawna liczba całkowita \"" + std::string(token) + "\" (" + what + ")"};
        }
        return *value;
    }

    float real(const char* what)
    {
        std::string_view token = next(what);
        auto value = parseFiniteFloat(token);
        if (!value) {
            throw Failure{where() + "niepoprawna wartość \"" + std::string(token) + "\" (" + what + ")"};
        }
        return *value;
    }

    int count(const char* what, int capacity)
    {
        int value = integer(what);
        if (value < 0) {
            throw Failure{where() + "ujemna liczba " + what + " (" + std::to_string(value) + ")"};
        }
        if (value > capacity) {
            throw Failure{where() + "liczba " + what + " (" + std::to_string(value) +
                          ") przekracza dopuszczalną wartość " + std::to_string(capacity)};
        }
        return value;
    }

private:
    std::string where() const { return "Wiersz " + std::to_string(line_) + ": "; }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

std::optional<std::string> readProjectText(std::string_view text, Project& project)
{
    Project p = project;
    TokenReader in(text);
    try {
        p.nodes.resize(in.count("węzłów", kMaxNodes));
        p.elements.resize(in.count("elementów", kMaxElements));
        p.conditions.resize(in.count("warunków brzegowych", kMaxConditions));
        p.boundaries.resize(in.count("brzegów", kMaxBoundaries));
        p.internalPoints.resize(in.count("punktów wewnętrznych", kMaxInternalPoints));

        for (int k = 1; k <= p.nodeCount(); ++k) {
            p.nodes[k].x = in.real("współrzędna węzła");
            p.nodes[k].y = in.real("współrzędna węzła");
        }
        for (int k = 1; k <= p.elementCount(); ++k) {
            Element& e = p.elements[k];
            e.startNode = in.integer("węzeł elementu");
            e.endNode = in.integer("węzeł elementu");
            e.condition = in.integer("warunek elementu");
            e.boundary = in.integer("brzeg elementu");
        }
        for (int k = 1; k <= p.conditionCount(); ++k) {
            BoundaryCondition& c = p.conditions[k];
            for (float* value :
                 {&c.kind, &c.atNode1, &c.atMiddle, &c.atNode2, &c.atNode1Y, &c.atMiddleY, &c.atNode2Y}) {
                *value = in.real("wartość warunku brzegowego");
            }
        }
        for (int k = 1; k <= p.boundaryCount(); ++k) {
            p.boundaries[k].kind = in.integer("rodzaj brzegu");
        }
        p.conductivity = in.real("przewodność");
        p.ambientTemperature = in.real("temperatura otoczenia");
        for (int k = 1; k <= p.internalPointCount(); ++k) {
            p.internalPoints[k].x = in.real("współrzędna punktu wewnętrznego");
            p.internalPoints[k].y = in.real("współrzędna punktu wewnętrznego");
        }
        p.analysisType = in.integer("typ obliczeń");
    } catch (const TokenReader::Failure& failure) {
        return failure.reason;
    }
    project = p;
    return std::nullopt;
}

FileResult loadProjectFile(const std::string& path, Project& project)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {FileStatus::CannotOpen, {}};
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        return {FileStatus::CannotOpen, {}};
    }
    if (auto problem = readProjectText(content.str(), project)) {
        return {FileStatus::Damaged, *problem};
    }
    return {};
}

FileResult saveProjectFile(const Project& project, const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string text = writeProjectText(project);

    std::error_code ec;
    // Saving through a link writes the file it points to, and the link stays.
    fs::path target = fs::weakly_canonical(fs::path(path), ec);
    if (ec) {
        target = fs::path(path);
    }
    // An existing file keeps its permissions; one the user may not write is
    // refused, as writing it in place would be.
    std::optional<fs::perms> kept;
    const fs::file_status existing = fs::status(target, ec);
    if (!ec && fs::exists(existing)) {
        if (!fs::is_regular_file(existing) || (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
            return {FileStatus::CannotWrite, {}};
        }
        kept = existing.permissions();
    }

    std::random_device entropy;
    const fs::path temporary = fs::path(target.string() + ".zapis-" + std::to_string(entropy() % 1000000u) + ".tmp");

    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            return {FileStatus::CannotWrite, {}};
        }
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return {FileStatus::CannotWrite, {}};
        }
    }
    if (kept) {
        fs::permissions(temporary, *kept, ec);
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return {FileStatus::CannotWrite, ec.message()};
    }
    return {};
}

} // namespace zorind
