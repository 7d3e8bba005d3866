#include "model/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace zorind {

void appendFixed(std::string& out, double value, int decimals)
{
    // Large enough for the widest double in fixed notation.
    std::array<char, 400> buffer{};
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        out += "0";
        return;
    }
    out.append(buffer.data(), result.ptr);
}

std::string formatFixed(double value, int decimals)
{
    std::string out;
    appendFixed(out, value, decimals);
    return out;
}

void dropSignOfZero(std::string& text)
{
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
}

std::string formatGeneral(double value, int significantDigits)
{
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                                significantDigits);
    if (result.ec != std::errc{}) {
        return "0";
    }
    return std::string(buffer.data(), result.ptr);
}

std::string displayNumber(float value, char decimalSeparator)
{
    std::string text = formatGeneral(static_cast<double>(value), 15);
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

namespace {
std::string_view stripPlus(std::string_view token)
{
    if (token.size() > 1 && token.front() == '+' && token[1] != '-' && token[1] != '+') {
        token.remove_prefix(1);
    }
    return token;
}
} // namespace

std::optional<int> parseInt(std::string_view token)
{
    token = stripPlus(token);
    int value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec != std::errc{} || result.ptr != token.data() + token.size() || token.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> parseFiniteFloat(std::string_view token)
{
    token = stripPlus(token);
    float value = 0.0f;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec == std::errc::result_out_of_range && result.ptr == token.data() + token.size()) {
        // A magnitude too small for a float becomes zero or a denormal, as
        // scanf gives it; one too large is refused.
        auto wide = parseFiniteDouble(token);
        if (wide && std::fabs(*wide) < 1.0) {
            return static_cast<float>(*wide);
        }
        return std::nullopt;
    }
    if (result.ec != std::errc{} || result.ptr != token.data() + token.size() || token.empty() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseFiniteDouble(std::string_view token)
{
    token = stripPlus(token);
    double value = 0.0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec != std::errc{} || result.ptr != token.data() + token.size() || token.empty() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseDecimalText(std::string_view text, char decimalSeparator)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::string normalised(text);
    for (char& c : normalised) {
        if (c == decimalSeparator) {
            c = '.';
        }
    }
    return parseFiniteDouble(normalised);
}

} // namespace zorind
