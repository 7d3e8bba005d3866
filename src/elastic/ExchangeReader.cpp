#include "contract/ElasticContract.h"
#include "elastic/ExchangeModel.h"
#include "elastic/FileKind.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

namespace zorind::elastic {

namespace {

// The largest exchange file the application's tables allow is under 150 kB
// (every value at its widest); anything beyond a megabyte is not one and is
// refused before it is read into memory.
constexpr std::size_t maxFileSize = 1024u * 1024u;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Splits the text into blank-separated numbers and remembers the line of each,
// so that a fault can be named by its line.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}

    int nextInt(const char* what)
    {
        const std::string_view token = next(what);
        int value = 0;
        const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec != std::errc() || end != token.data() + token.size()) {
            fail(std::string("oczekiwano liczby całkowitej (") + what + "), jest \"" + std::string(token) + "\"");
        }
        return value;
    }

    double nextReal(const char* what)
    {
        std::string_view token = next(what);
        if (!token.empty() && token.front() == '+') {
            token.remove_prefix(1);
        }
        double value = 0.0;
        const auto [end, ec] =
            std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
        if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
            fail(std::string("oczekiwano liczby (") + what + "), jest \"" + std::string(token) + "\"");
        }
        // The application writes single-precision values; the solver relies
        // on that range (squares of coordinates stay finite).
        if (std::abs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
            fail(std::string("liczba poza zakresem (") + what + "): \"" + std::string(token) + "\"");
        }
        return value;
    }

    void expectEnd()
    {
        skipBlanks();
        if (pos_ < text_.size()) {
            fail("nadmiarowe dane po ostatniej sekcji");
        }
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw ElasticError("Błąd w pliku danych, wiersz " + std::to_string(tokenLine_) + ": " + what);
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
    }

    std::string_view next(const char* what)
    {
        skipBlanks();
        tokenLine_ = line_;
        if (pos_ >= text_.size()) {
            fail(std::string("plik kończy się przedwcześnie, brak: ") + what);
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isBlank(text_[pos_])) {
            ++pos_;
        }
        std::string_view token = text_.substr(start, pos_ - start);
        if (token.size() > 64) {
            token = token.substr(0, 64);
        }
        return token;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
};

int readCount(Tokens& in, const char* what, int capacity)
{
    const int count = in.nextInt(what);
    if (count < 0) {
        in.fail(std::string("ujemna liczba: ") + what);
    }
    if (count > capacity) {
        in.fail(std::string(what) + " " + std::to_string(count) + " przekracza dopuszczalne " +
                std::to_string(capacity));
    }
    return count;
}

void expectNumber(Tokens& in, const char* what, int expected)
{
    const int number = in.nextInt(what);
    if (number != expected) {
        in.fail(std::string(what) + ": oczekiwano numeru " + std::to_string(expected) + ", jest " +
                std::to_string(number));
    }
}

int readNodeReference(Tokens& in, const char* what, int nodeCount)
{
    const int number = in.nextInt(what);
    if (number < 1 || number > nodeCount) {
        in.fail(std::string(what) + ": węzeł " + std::to_string(number) + " nie istnieje");
    }
    return number - 1;
}

// A displacement line's flag: 1 the component is held, 0 it is not.
bool readFlag(Tokens& in, const char* what)
{
    const int flag = in.nextInt(what);
    if (flag != 0 && flag != 1) {
        in.fail(std::string(what) + ": flaga składowej musi być 0 albo 1, jest " + std::to_string(flag));
    }
    return flag == 1;
}

std::vector<NodalValue> readNodalValues(Tokens& in, int count, int nodeCount, bool withFlags, const char* what)
{
    std::vector<NodalValue> values;
    std::vector<bool> seen(static_cast<std::size_t>(nodeCount), false);
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        NodalValue v;
        v.node = readNodeReference(in, what, nodeCount);
        if (seen[static_cast<std::size_t>(v.node)]) {
            in.fail(std::string(what) + ": węzeł " + std::to_string(v.node + 1) + " podany drugi raz");
        }
        seen[static_cast<std::size_t>(v.node)] = true;
        v.x = in.nextReal(what);
        v.y = in.nextReal(what);
        if (withFlags) {
            v.heldX = readFlag(in, what);
            v.heldY = readFlag(in, what);
            if (!v.heldX && !v.heldY) {
                in.fail(std::string(what) + ": węzeł " + std::to_string(v.node + 1) +
                        " nie ma trzymanej żadnej składowej (flagi 0 0)");
            }
        }
        values.push_back(v);
    }
    return values;
}

} // namespace

ExchangeModel parseExchange(std::string_view text)
{
    Tokens in(text);
    ExchangeModel m;

    in.nextInt("nagłówek");
    const int elementCount = readCount(in, "liczba elementów", contract::kMaxElements);
    const int nodeCount = readCount(in, "liczba węzłów", contract::kMaxNodes);
    const int pointCount = readCount(in, "liczba punktów wewnętrznych", contract::kMaxInternalPoints);
    in.nextInt("nagłówek");
    in.nextInt("nagłówek");
    m.youngModulus = in.nextReal("moduł Younga");
    if (!(m.youngModulus > 0.0)) {
        in.fail("moduł Younga musi być dodatni");
    }
    m.poissonRatio = in.nextReal("liczba Poissona");
    if (!(m.poissonRatio > -1.0 && m.poissonRatio < 0.5)) {
        in.fail("liczba Poissona musi leżeć między -1 a 0,5");
    }

    for (int i = 1; i <= nodeCount; ++i) {
        expectNumber(in, "węzeł", i);
        Point p;
        p.x = in.nextReal("współrzędna x węzła");
        p.y = in.nextReal("współrzędna y węzła");
        in.nextInt("węzeł");
        in.nextInt("węzeł");
        m.nodes.push_back(p);
    }
    for (int i = 1; i <= pointCount; ++i) {
        expectNumber(in, "punkt wewnętrzny", nodeCount + i);
        Point p;
        p.x = in.nextReal("współrzędna x punktu");
        p.y = in.nextReal("współrzędna y punktu");
        m.internalPoints.push_back(p);
    }
    for (int i = 1; i <= elementCount; ++i) {
        expectNumber(in, "element", i);
        Element e;
        e.start = readNodeReference(in, "element", nodeCount);
        e.end = readNodeReference(in, "element", nodeCount);
        const Point& a = m.nodes[static_cast<std::size_t>(e.start)];
        const Point& b = m.nodes[static_cast<std::size_t>(e.end)];
        if (!(std::hypot(b.x - a.x, b.y - a.y) > 0.0)) {
            in.fail("element " + std::to_string(i) + " ma zerową długość");
        }
        m.elements.push_back(e);
    }
    const int displacementCount = readCount(in, "liczba przemieszczeń", contract::kMaxNodes);
    const int tractionCount = readCount(in, "liczba obciążeń", contract::kMaxNodes);
    m.displacements = readNodalValues(in, displacementCount, nodeCount, true, "przemieszczenie");
    m.tractions = readNodalValues(in, tractionCount, nodeCount, false, "obciążenie");
    in.expectEnd();
    return m;
}

namespace {

// Only a regular file of sane size is read. Its kind is asked before opening
// (opening a device may have effects of its own) and again of what was
// opened; a fifo put in its place meanwhile opens without waiting for a
// writer, and no more than the limit is read even from a file that grows.
std::string readDataFile(const std::filesystem::path& path)
{
    const std::string name = path.string();
    const std::string tooLarge = "Plik danych " + name + " jest za duży na plik wymiany (ponad 1 MB)";
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        throw ElasticError("Nie można odczytać pliku danych " + name);
    }
    if (!S_ISREG(st.st_mode)) {
        throw ElasticError("Nie można odczytać pliku danych " + name + ": " + notARegularFile(st));
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxFileSize) {
        throw ElasticError(tooLarge);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw ElasticError("Nie można odczytać pliku danych " + name);
    }
    std::string content;
    std::string failure;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        failure = "Nie można odczytać pliku danych " + name + ": to nie jest zwykły plik";
    } else {
        std::array<char, 65536> buf{};
        for (;;) {
            const ssize_t n = ::read(fd, buf.data(), buf.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                failure = "Błąd odczytu pliku danych " + name;
                break;
            }
            if (n == 0) {
                break;
            }
            content.append(buf.data(), static_cast<std::size_t>(n));
            if (content.size() > maxFileSize) {
                failure = tooLarge;
                break;
            }
        }
    }
    ::close(fd);
    if (!failure.empty()) {
        throw ElasticError(failure);
    }
    return content;
}

} // namespace

ExchangeModel readExchangeFile(const std::filesystem::path& path)
{
    return parseExchange(readDataFile(path));
}

} // namespace zorind::elastic
