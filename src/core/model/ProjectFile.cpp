#include "core/model/ProjectFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

void appendInt(std::string& out, int value)
{
    out += std::to_string(value);
}

} // namespace

std::string writeProjectText(const Model& p)
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

// A bad token as the message shows it: at most a short excerpt, every byte
// that is not plain printable ASCII written as \xNN, so that a binary file
// can never make the message box taller than the screen.
std::string excerpt(std::string_view token)
{
    constexpr std::size_t kShown = 24;
    std::string out;
    for (std::size_t i = 0; i < token.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(token[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    if (token.size() > kShown) {
        out += "...";
    }
    return out;
}

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
            throw Failure{where() + "niepoprawna liczba całkowita \"" + excerpt(token) + "\" (" + what + ")"};
        }
        return *value;
    }

    float real(const char* what)
    {
        std::string_view token = next(what);
        auto value = parseFiniteFloat(token);
        if (!value) {
            throw Failure{where() + "niepoprawna wartość \"" + excerpt(token) + "\" (" + what + ")"};
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

std::optional<std::string> readProjectText(std::string_view text, Model& project)
{
    // A byte-order mark, as some editors write at the start of a file.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    Model p = project;
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

FileResult loadProjectFile(const std::string& path, Model& project)
{
    namespace fs = std::filesystem;
    // Only a regular file can hold a project: a folder, a device (/dev/zero
    // never ends) or a pipe (which would wait for a writer) is refused
    // before it is opened.
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(path), ec);
    if (ec || !fs::is_regular_file(status)) {
        return {FileStatus::CannotOpen, {}};
    }
    const std::uintmax_t size = fs::file_size(fs::path(path), ec);
    if (!ec && size > kMaxProjectFileSize) {
        return {FileStatus::TooLarge, std::to_string(size)};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {FileStatus::CannotOpen, {}};
    }
    // The file may grow while it is read: never take more than the limit.
    std::string content(kMaxProjectFileSize + 1, '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (file.bad()) {
        return {FileStatus::CannotOpen, {}};
    }
    content.resize(static_cast<std::size_t>(file.gcount()));
    if (content.size() > kMaxProjectFileSize) {
        return {FileStatus::TooLarge, std::to_string(content.size())};
    }
    if (auto problem = readProjectText(content, project)) {
        return {FileStatus::Damaged, *problem};
    }
    return {};
}

namespace {

namespace fs = std::filesystem;

// Why a write failed, in the user's words, from the system's error number.
std::string writeFailureReason(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "Brak miejsca na dysku.";
    case EACCES:
    case EPERM:
        return "Brak uprawnień do zapisu.";
    case EROFS:
        return "System plików jest tylko do odczytu.";
    case ENOENT:
    case ENOTDIR:
        return "Folder nie istnieje.";
    case EISDIR:
        return "Pod tą nazwą jest folder.";
    default:
        return std::string("Błąd systemu: ") + std::strerror(error) + ".";
    }
}

FileResult writeFailure(int error)
{
    return {FileStatus::CannotWrite, writeFailureReason(error)};
}

// The file a name stands for: links are followed to their end, also to a
// target that does not exist yet (saving through a link creates the target
// and keeps the link).
fs::path resolveLinks(fs::path path)
{
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hop) {
        fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// Writes `bytes` through fopen mode `mode` and closes the file; 0 or the
// error number of the failure. `opened` tells whether the file was opened.
int writeThrough(const fs::path& path, const char* mode, std::string_view bytes, bool& opened)
{
    errno = 0;
    std::FILE* out = std::fopen(path.c_str(), mode);
    opened = out != nullptr;
    if (out == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(out) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return error;
}

// Writes `bytes` to a new file at `path`; 0 or the error number of the
// failure (the file is removed then).
int writeNewFile(const fs::path& path, std::string_view bytes)
{
    bool opened = false;
    const int error = writeThrough(path, "wbx", bytes, opened);
    if (error != 0 && opened) {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    return error;
}

// Overwrites an existing file in place, keeping its owner, mode and links;
// 0 or the error number.
int overwriteInPlace(const fs::path& path, std::string_view bytes)
{
    bool opened = false;
    return writeThrough(path, "wb", bytes, opened);
}

} // namespace

FileResult writeFileSafely(const std::string& path, std::string_view bytes)
{
    const fs::path target = resolveLinks(fs::path(path));
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) {
        return writeFailure(ENOENT);
    }

    const fs::file_status existing = fs::status(target, ec);
    const bool replacing = !ec && fs::exists(existing);
    if (replacing) {
        if (fs::is_directory(existing)) {
            return writeFailure(EISDIR);
        }
        if (!fs::is_regular_file(existing)) {
            return {FileStatus::CannotWrite, "To nie jest zwykły plik."};
        }
        // A file marked read-only for everybody stays untouched, also for a
        // user whom the system would let write it.
        constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((existing.permissions() & anyWrite) == fs::perms::none) {
            return {FileStatus::CannotWrite, "Plik jest tylko do odczytu."};
        }
        // Opening for appending writes nothing: it only asks whether this
        // user may write the file.
        errno = 0;
        std::FILE* probe = std::fopen(target.c_str(), "ab");
        if (probe == nullptr) {
            return writeFailure(errno != 0 ? errno : EACCES);
        }
        std::fclose(probe);
    }

    // The whole text goes to a temporary file beside the target first, so
    // that a full disk or a failing device is found before the target is
    // touched.
    std::random_device entropy;
    fs::path temporary;
    int error = EEXIST;
    for (int attempt = 0; attempt < 8 && error == EEXIST; ++attempt) {
        temporary = fs::path(target.string() + ".zapis-" + std::to_string(entropy() % 1000000u) + ".tmp");
        error = writeNewFile(temporary, bytes);
    }
    if (error != 0) {
        return writeFailure(error);
    }

    if (!replacing) {
        fs::rename(temporary, target, ec);
        if (ec) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return writeFailure(ec.value());
        }
        return {};
    }

    // An existing file is rewritten in place, so that it keeps its owner,
    // its mode and its other names. Should that fail half-way, the complete
    // temporary copy takes its place: the content is never lost.
    error = overwriteInPlace(target, bytes);
    if (error != 0) {
        fs::permissions(temporary, existing.permissions(), ec);
        std::error_code renamed;
        fs::rename(temporary, target, renamed);
        if (renamed) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
        }
        return writeFailure(error);
    }
    fs::remove(temporary, ec);
    return {};
}

FileResult saveProjectFile(const Model& project, const std::string& path)
{
    return writeFileSafely(path, writeProjectText(project));
}

} // namespace zorind
