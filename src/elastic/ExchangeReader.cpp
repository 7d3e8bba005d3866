#include "ElasticContract.h"
#include "ExchangeModel.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace zorind::elastic {

namespace {

// The largest genuine exchange file is well under a megabyte; anything far
// bigger is not one and is refused before it is read into memory.
constexpr std::uintmax_t maxFileSize = 16u * 1024u * 1024u;

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
            in.nextInt(what);
            in.nextInt(what);
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

ExchangeModel readExchangeFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw ElasticError("Nie można odczytać pliku danych " + path.string() + ": to jest katalog");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > maxFileSize) {
        throw ElasticError("Plik danych " + path.string() + " jest za duży na plik wymiany");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw ElasticError("Nie można odczytać pliku danych " + path.string());
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        throw ElasticError("Błąd odczytu pliku danych " + path.string());
    }
    return parseExchange(content.str());
}

} // namespace zorind::elastic
