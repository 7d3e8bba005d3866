#include "elastic/ResultWriter.h"

#include "elastic/FileKind.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <sstream>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

namespace zorind::elastic {

namespace {

// Nine significant digits: every value survives the import's float exactly.
std::string real(double value)
{
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), " %16.8E", value);
    return buf.data();
}

std::string integer(int value)
{
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "%6d", value);
    return buf.data();
}

void writeStress(std::ostream& out, const Stress& s)
{
    out << real(s.sx) << real(s.txy) << real(s.sy) << real(s.sz) << real(s.reduced);
}

} // namespace

void writeResults(std::ostream& out, const ExchangeModel& model, const ElasticSolution& solution)
{
    const auto nodeCount = static_cast<int>(model.nodes.size());
    out << " ZORIND-ELASTIC: płaski stan odkształcenia, metoda elementów brzegowych\n";
    out << " Węzłów: " << nodeCount << ", elementów: " << model.elements.size()
        << ", punktów wewnętrznych: " << model.internalPoints.size() << ", niewiadomych: " << solution.unknowns << "\n";
    out << " Materiał: E =" << real(model.youngModulus) << ", nu =" << real(model.poissonRatio) << "\n";
    out << " Założenia: fundamentalne rozwiązanie Kelvina, elementy proste, przemieszczenia i obciążenia\n";
    out << "   liniowe między węzłami, kolokacja w węzłach; obciążenie jako wektor w układzie x, y\n";
    out << " Naroża z osobnym obciążeniem po obu stronach (kolokacja przesunięta o 1/4 elementu): "
        << solution.cornerNodes << "\n";
    out << " Siły węzłowe: obciążenie scałkowane z funkcją kształtu węzła, na jednostkę grubości\n";
    for (const std::string& note : solution.notes) {
        out << " Uwaga: " << note << "\n";
    }
    out << "\n";

    out << contract::kResultHeaderLine << "\n";
    out << " WĘZEŁ         PRZEM. X         PRZEM. Y           SIŁA X           SIŁA Y\n";
    for (int i = 0; i < nodeCount; ++i) {
        const NodeResult& r = solution.nodes[static_cast<std::size_t>(i)];
        out << integer(i + 1) << real(r.ux) << real(r.uy) << real(r.fx) << real(r.fy) << "\n";
    }
    out << "\n";
    out << "                       NAPRĘŻENIA  W  WĘZŁACH  BRZEGOWYCH\n";
    out << " WĘZEŁ                X                Y            SIG.X           TAU XY            SIG.Y"
           "            SIG.Z          SIG.RED\n";
    for (int i = 0; i < nodeCount; ++i) {
        const NodeResult& r = solution.nodes[static_cast<std::size_t>(i)];
        const Point& p = model.nodes[static_cast<std::size_t>(i)];
        out << integer(i + 1) << real(p.x) << real(p.y);
        writeStress(out, r.stress);
        out << "\n";
    }

    out << "\n";
    out << "                       PUNKTY  WEWNĘTRZNE\n";
    out << "   NR                X                Y         PRZEM. X         PRZEM. Y            SIG.X           TAU XY"
           "            SIG.Y            SIG.Z          SIG.RED\n";
    for (std::size_t i = 0; i < model.internalPoints.size(); ++i) {
        const PointResult& r = solution.points[i];
        const Point& p = model.internalPoints[i];
        out << integer(nodeCount + static_cast<int>(i) + 1) << real(p.x) << real(p.y) << real(r.ux) << real(r.uy);
        writeStress(out, r.stress);
        out << "\n";
    }
}

namespace {

[[noreturn]] void refuseResults(const std::filesystem::path& path, const std::string& why)
{
    throw ElasticError("Nie można zapisać pliku wyników " + path.string() + ": " + why);
}

std::string systemMessage(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// A path that may be replaced by a rename: a regular file or nothing.
bool replaceable(const std::filesystem::path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? S_ISREG(st.st_mode) : errno == ENOENT;
}

void writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            throw std::system_error(n < 0 ? errno : EIO, std::generic_category());
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

std::filesystem::path resultFileTarget(const std::filesystem::path& path)
{
    if (!path.has_filename()) {
        refuseResults(path, "to nie jest nazwa pliku");
    }
    std::filesystem::path target = path;
    for (int hop = 0;; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                refuseResults(path, systemMessage(errno));
            }
            if (hop > 0) {
                refuseResults(path, "dowiązanie symboliczne prowadzi do pliku, który nie istnieje");
            }
            const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
            if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
                refuseResults(path, "katalog " + folder.string() + " nie istnieje");
            }
            return target;
        }
        if (S_ISREG(st.st_mode)) {
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            refuseResults(path, notARegularFile(st));
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec || hop >= 40) {
            refuseResults(path, "nie można podążyć za dowiązaniem symbolicznym");
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
        if (!target.has_filename()) {
            refuseResults(path, "dowiązanie symboliczne nie prowadzi do zwykłego pliku");
        }
        if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            refuseResults(path, "dowiązanie symboliczne nie prowadzi do zwykłego pliku");
        }
    }
}

void writeResultFile(const std::filesystem::path& path, const ExchangeModel& model, const ElasticSolution& solution)
{
    const std::filesystem::path target = resultFileTarget(path);
    std::ostringstream text;
    writeResults(text, model, solution);
    const std::string bytes = text.str();

    // A name of its own that nothing else holds: created here, never followed
    // through a link someone put in its place.
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        std::string suffix = ".tmp" + std::to_string(::getpid());
        if (attempt > 0) {
            suffix += '-';
            suffix += std::to_string(attempt);
        }
        temporary = target;
        temporary += suffix;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        throw ElasticError("Nie można utworzyć pliku wyników " + temporary.string() + ": " + systemMessage(errno));
    }
    try {
        // The new results keep the permissions of the file they replace.
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            ::fchmod(fd, old.st_mode & 0777);
        }
        writeAll(fd, bytes);
        if (::fsync(fd) != 0) {
            throw std::system_error(errno, std::generic_category());
        }
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0) {
            throw std::system_error(errno, std::generic_category());
        }
    } catch (const std::system_error& e) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.c_str());
        throw ElasticError("Błąd zapisu pliku wyników " + temporary.string() + ": " + systemMessage(e.code().value()));
    }
    // The target may have changed kind while the results were written.
    if (!replaceable(target)) {
        ::unlink(temporary.c_str());
        refuseResults(path, "w trakcie obliczeń przestał być zwykłym plikiem");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        refuseResults(path, systemMessage(error));
    }
}

} // namespace zorind::elastic
