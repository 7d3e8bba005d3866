#include "core/exchange/ResultFile.h"

#include "contract/ElasticContract.h"

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
        lineCut_ = pos_ < text_.size() && text_[pos_] != '\n';
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
            if (!taken.empty() && taken.back() == '\r') {
                taken.remove_suffix(1);
            }
        }
        return taken;
    }

    // Whether the last line read stopped at the character limit, its rest
    // still to come.
    bool lineCut() const { return lineCut_; }

    // Whether the next characters after white space are the end of the text
    // or look like a number (a digit, maybe after a sign or a point): where
    // "%d" fails there, a number is bad or missing; anywhere else the text
    // is simply no record.
    bool atNumberOrEnd()
    {
        skipBlanks();
        std::size_t at = pos_;
        if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) {
            ++at;
        }
        if (at < text_.size() && text_[at] == '.') {
            ++at;
        }
        return pos_ >= text_.size() || (at < text_.size() && isDigit(text_[at]));
    }

    // Whether a line end comes before the next character that is no white
    // space; the position does not move.
    bool lineEndAhead() const
    {
        for (std::size_t at = pos_; at < text_.size() && isBlank(text_[at]); ++at) {
            if (text_[at] == '\n') {
                return true;
            }
        }
        return false;
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
    bool lineCut_ = false;
};

// One record as far as it could be read: the node number (read, not used)
// and `N` values, those not read left at zero.
template <std::size_t N> struct Record {
    enum class Stop {
        None,     // read whole
        Cut,      // ended by the end of the text or a bad number
        NoRecord, // the text there does not begin a record
    };
    Stop stop = Stop::None;
    bool begun = false; // the node number was read
    std::array<float, N> values{};
};

template <std::size_t N> Record<N> record(ResultCursor& in)
{
    Record<N> r;
    if (!in.integer()) {
        r.stop = in.atNumberOrEnd() ? Record<N>::Stop::Cut : Record<N>::Stop::NoRecord;
        return r;
    }
    r.begun = true;
    for (float& v : r.values) {
        const std::optional<float> read = in.real();
        if (!read) {
            r.stop = Record<N>::Stop::Cut;
            return r;
        }
        v = *read;
    }
    return r;
}

struct DisplacementBlock {
    bool whole = false;
    // Set when the block holds the records of another number of nodes.
    std::optional<int> otherNodeCount;
};

// Block 1: displacements and forces; the stresses of the node start at zero.
// After the last record expected, the rest of its line is passed over; whole
// records on the lines after it belong to a larger model and are counted.
DisplacementBlock readDisplacementBlock(ResultCursor& in, std::vector<NodeResultValues>& nodes)
{
    int read = 0;
    for (NodeResultValues& node : nodes) {
        const bool onNextLine = in.lineEndAhead();
        const Record<4> r = record<4>(in);
        if (r.begun) {
            node.motionRead = true;
            node.dx = r.values[0];
            node.dy = r.values[1];
            node.fx = r.values[2];
            node.fy = r.values[3];
            node.stressesSet = true;
            node.sigmaX = node.sigmaY = node.sigmaZ = node.tauXY = node.reduced = 0.0f;
        }
        if (r.stop == Record<4>::Stop::NoRecord && read > 0 && onNextLine) {
            return {false, read};
        }
        if (r.stop != Record<4>::Stop::None) {
            return {};
        }
        ++read;
    }
    if (!in.line()) {
        return {};
    }
    ResultCursor ahead = in;
    int more = 0;
    while (record<4>(ahead).stop == Record<4>::Stop::None) {
        ++more;
    }
    if (more > 0) {
        in = ahead;
        return {false, read + more};
    }
    return {true, std::nullopt};
}

// Block 2: two unused values, then sigma x, tau xy, sigma y, sigma z and the
// reduced stress.
bool readStressBlock(ResultCursor& in, std::vector<NodeResultValues>& nodes)
{
    for (NodeResultValues& node : nodes) {
        const Record<7> r = record<7>(in);
        if (r.begun) {
            node.stressesSet = true;
            node.sigmaX = r.values[2];
            node.tauXY = r.values[3];
            node.sigmaY = r.values[4];
            node.sigmaZ = r.values[5];
            node.reduced = r.values[6];
        }
        if (r.stop != Record<7>::Stop::None) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The solver's notes among the lines before a header. A note line longer
// than the line limit goes on in the lines read after it, so that a long
// note (or a character cut in two) comes back whole.
class NoteCollector {
public:
    void take(std::string_view line, bool cut)
    {
        if (continues_) {
            notes_.back() += line;
        } else {
            const std::string_view text = trimmed(line);
            if (text.substr(0, kResultNoteWord.size()) != kResultNoteWord) {
                return;
            }
            notes_.emplace_back(text.substr(kResultNoteWord.size()));
        }
        continues_ = cut;
    }

    // The notes taken so far, trimmed, empty ones left out; starts afresh.
    std::vector<std::string> release()
    {
        std::vector<std::string> out;
        for (const std::string& note : notes_) {
            if (const std::string_view text = trimmed(note); !text.empty()) {
                out.emplace_back(text);
            }
        }
        notes_.clear();
        continues_ = false;
        return out;
    }

private:
    std::vector<std::string> notes_;
    bool continues_ = false;
};

} // namespace

ResultFileContent readResultText(std::string_view text, int nodeCount)
{
    if (nodeCount < 0) {
        throw std::out_of_range("ujemna liczba węzłów: " + std::to_string(nodeCount));
    }
    ResultFileContent content;
    content.nodes.resize(static_cast<std::size_t>(nodeCount));
    ResultCursor in(text);
    NoteCollector notes;
    while (const std::optional<std::string_view> line = in.line()) {
        if (*line != contract::kResultHeaderLine) {
            notes.take(*line, in.lineCut());
            continue;
        }
        content.headerFound = true;
        ++content.headerCount;
        content.complete = false;
        content.otherModelNodeCount.reset();
        content.notes = notes.release();
        if (!in.line()) {
            break;
        }
        const std::vector<NodeResultValues> before = content.nodes;
        const DisplacementBlock block1 = readDisplacementBlock(in, content.nodes);
        if (block1.otherNodeCount) {
            // Another model's results: none of them is taken, and a later
            // pair may still be this model's.
            content.nodes = before;
            content.otherModelNodeCount = block1.otherNodeCount;
            continue;
        }
        if (!block1.whole) {
            break;
        }
        // The three lines after block 1's last line.
        bool skipped = true;
        for (int i = 0; i < 3 && skipped; ++i) {
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
