#include "core/model/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

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
    if (text.empty() || text[0] != '-') {
        return;
    }
    // Whatever the separator and the exponent: a zero has no other digit
    // than 0 before its exponent.
    const std::string_view mantissa = std::string_view(text).substr(1, text.find_first_of("eE", 1) - 1);
    if (mantissa.find('0') != std::string_view::npos && mantissa.find_first_of("123456789") == std::string_view::npos) {
        text.erase(0, 1);
    }
}

std::string shownFixed(double value, int decimals)
{
    std::string text = formatFixed(value, decimals);
    dropSignOfZero(text);
    return text;
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

std::optional<float> typedFloat(std::optional<double> typed)
{
    // Halfway between the largest float and the power of two above it: a
    // number from there on rounds to infinity, one below it to a float.
    constexpr double kRoundsToInfinity = 0x1.ffffffp+127;
    constexpr float kLargest = std::numeric_limits<float>::max();
    if (!typed || !std::isfinite(*typed) || !(std::fabs(*typed) < kRoundsToInfinity)) {
        return std::nullopt;
    }
    // Above the largest float (and below the halfway point) the nearest float
    // is the largest; the language leaves converting such a double undefined.
    float value = 0.0f;
    if (std::fabs(*typed) > static_cast<double>(kLargest)) {
        value = *typed < 0.0 ? -kLargest : kLargest;
    } else {
        value = static_cast<float>(*typed);
    }
    return value == 0.0f ? 0.0f : value;
}

std::string fieldNumber(float value, char decimalSeparator)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    std::string scientific(buffer.data(), result.ptr);
    if (!std::isfinite(value)) {
        return scientific;
    }
    const bool negative = scientific.front() == '-';
    const std::size_t digitsFrom = negative ? 1 : 0;
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = digitsFrom; i < e; ++i) {
        if (scientific[i] != '.') {
            digits += scientific[i];
        }
    }
    const int exponent = parseInt(std::string_view(scientific).substr(e + 1)).value_or(0);
    const auto count = static_cast<int>(digits.size());
    std::string plain;
    if (exponent < 0) {
        plain.append(1, '0').append(1, decimalSeparator);
        plain.append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else if (count <= exponent + 1) {
        plain.append(digits).append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        plain.append(digits, 0, whole).append(1, decimalSeparator).append(digits, whole);
    }
    std::string text;
    if (plain.size() <= kPlainFieldChars) {
        text.append(negative ? "-" : "").append(plain);
    } else {
        text = scientific;
        for (char& c : text) {
            if (c == '.') {
                c = decimalSeparator;
            }
        }
    }
    dropSignOfZero(text);
    return text;
}

} // namespace zorind
