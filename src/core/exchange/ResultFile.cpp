#include "exchange/ResultFile.h"

#include "ElasticContract.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace zorind {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// White space as scanf skips it in the C locale.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A read position in the file's text, offering the two kinds of read the
// file is made of: a line into a 255-character buffer and a number as scanf
// takes it.
class ResultCursor {
public:
    explicit ResultCursor(std::string_view text) : text_(text) {}

    // The next line without its line end, or nothing at the end of the text.
    // At most kResultLineLimit characters are taken; a longer line leaves its
    // remainder to the next read, as fgets into a 255-character buffer does.
    std::optional<std::string_view> line()
    {
        if (pos_ >= text_.size()) {
            return std::nullopt;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n' && pos_ - start < kResultLineLimit) {
            ++pos_;
        }
        std::string_view taken = text_.substr(start, pos_ - start);
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
            if (!taken.empty() && taken.back() == '\r') {
                taken.remove_suffix(1);
            }
        }
        return taken;
    }

    // "%d": an optional sign and at least one digit; nothing when the next
    // characters are not an integer that fits.
    std::optional<int> integer()
    {
        skipBlanks();
        std::size_t end = pos_;
        if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
            ++end;
        }
        const std::size_t digits = end;
        while (end < text_.size() && isDigit(text_[end])) {
            ++end;
        }
        if (end == digits) {
            return std::nullopt;
        }
        const std::size_t from = text_[pos_] == '+' ? pos_ + 1 : pos_;
        int value = 0;
        const auto result = std::from_chars(text_.data() + from, text_.data() + end, value);
        if (result.ec != std::errc{} || result.ptr != text_.data() + end) {
            return std::nullopt;
        }
        pos_ = end;
        return value;
    }

    // "%f": an optional sign, digits with an optional decimal point (at
    // least one digit), an optional exponent. A magnitude too small for a
    // float becomes zero or a denormal; one too large, infinity and NaN are
    // not numbers here, so that nothing but finite values reaches the
    // tables.
    std::optional<float> real()
    {
        skipBlanks();
        std::size_t end = pos_;
        if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
            ++end;
        }
        int mantissaDigits = 0;
        while (end < text_.size() && isDigit(text_[end])) {
            ++end;
            ++mantissaDigits;
        }
        if (end < text_.size() && text_[end] == '.') {
            ++end;
            while (end < text_.size() && isDigit(text_[end])) {
                ++end;
                ++mantissaDigits;
            }
        }
        if (mantissaDigits == 0) {
            return std::nullopt;
        }
        bool negativeExponent = false;
        if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
            std::size_t e = end + 1;
            if (e < text_.size() && (text_[e] == '+' || text_[e] == '-')) {
                negativeExponent = text_[e] == '-';
                ++e;
            }
            if (e < text_.size() && isDigit(text_[e])) {
                while (e < text_.size() && isDigit(text_[e])) {
                    ++e;
                }
                end = e;
            } else {
                negativeExponent = false;
            }
        }
        const std::size_t from = text_[pos_] == '+' ? pos_ + 1 : pos_;
        const char* first = text_.data() + from;
        const char* last = text_.data() + end;
        float value = 0.0f;
        auto result = std::from_chars(first, last, value, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range && result.ptr == last) {
            double wide = 0.0;
            const auto widened = std::from_chars(first, last, wide, std::chars_format::general);
            if (widened.ec == std::errc{} && std::fabs(wide) < 1.0) {
                value = static_cast<float>(wide);
            } else if (widened.ec == std::errc::result_out_of_range && negativeExponent) {
                value = *first == '-' ? -0.0f : 0.0f;
            } else {
                return std::nullopt;
            }
        } else if (result.ec != std::errc{} || result.ptr != last || !std::isfinite(value)) {
            return std::nullopt;
        }
        pos_ = end;
        return value;
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// One record: the node number (read, not used) and `N` values.
template <std::size_t N> std::optional<std::array<float, N>> record(ResultCursor& in)
{
    if (!in.integer()) {
        return std::nullopt;
    }
    std::array<float, N> values{};
    for (float& v : values) {
        const std::optional<float> read = in.real();
        if (!read) {
            return std::nullopt;
        }
        v = *read;
    }
    return values;
}

// Block 1: displacements and forces; the stresses of the node start at zero.
bool readDisplacementBlock(ResultCursor& in, std::vector<NodeResultValues>& nodes)
{
    for (NodeResultValues& node : nodes) {
        const auto values = record<4>(in);
        if (!values) {
            return false;
        }
        node.motionRead = true;
        node.dx = (*values)[0];
        node.dy = (*values)[1];
        node.fx = (*values)[2];
        node.fy = (*values)[3];
        node.stressesSet = true;
        node.sigmaX = node.sigmaY = node.sigmaZ = node.tauXY = node.reduced = 0.0f;
    }
    return true;
}

// Block 2: two unused values, then sigma x, tau xy, sigma y, sigma z and the
// reduced stress.
bool readStressBlock(ResultCursor& in, std::vector<NodeResultValues>& nodes)
{
    for (NodeResultValues& node : nodes) {
        const auto values = record<7>(in);
        if (!values) {
            return false;
        }
        node.stressesSet = true;
        node.sigmaX = (*values)[2];
        node.tauXY = (*values)[3];
        node.sigmaY = (*values)[4];
        node.sigmaZ = (*values)[5];
        node.reduced = (*values)[6];
    }
    return true;
}

} // namespace

ResultFileContent readResultText(std::string_view text, int nodeCount)
{
    if (nodeCount < 0) {
        throw std::out_of_range("ujemna liczba węzłów: " + std::to_string(nodeCount));
    }
    ResultFileContent content;
    content.nodes.resize(static_cast<std::size_t>(nodeCount));
    ResultCursor in(text);
    while (const std::optional<std::string_view> line = in.line()) {
        if (*line != contract::kResultHeaderLine) {
            continue;
        }
        content.headerFound = true;
        ++content.headerCount;
        content.complete = false;
        if (!in.line() || !readDisplacementBlock(in, content.nodes)) {
            break;
        }
        // The rest of block 1's last line and the three lines after it.
        bool skipped = true;
        for (int i = 0; i < 4 && skipped; ++i) {
            skipped = in.line().has_value();
        }
        if (!skipped || !readStressBlock(in, content.nodes)) {
            break;
        }
        content.complete = true;
    }
    return content;
}

} // namespace zorind
