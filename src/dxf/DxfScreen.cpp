#include "dxf/DxfScreen.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zorind::dxf {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

template <class T> bool parseWhole(std::string_view s, T& value)
{
    s = trimmed(s);
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    return result.ec == std::errc{} && result.ptr == s.data() + s.size() && !s.empty();
}

// The entity kinds dxflib turns into calls (or reads as parts of others).
bool reportedByDxflib(std::string_view kind)
{
    static constexpr std::array<std::string_view, 23> kKinds = {
        "LINE",   "ARC",    "CIRCLE", "ELLIPSE",   "LWPOLYLINE", "POLYLINE", "VERTEX", "SEQEND",
        "SPLINE", "POINT",  "INSERT", "TEXT",      "MTEXT",      "ATTRIB",   "DIMENSION", "LEADER",
        "HATCH",  "IMAGE",  "TRACE",  "SOLID",     "3DFACE",     "XLINE",    "RAY"};
    return std::find(kKinds.begin(), kKinds.end(), kind) != kKinds.end();
}

// The group codes that make dxflib allocate room for that many items in
// the entity that carries them.
bool isCount(std::string_view entity, int code)
{
    return (entity == "LWPOLYLINE" && code == 90) || (entity == "SPLINE" && (code == 72 || code == 73 || code == 74)) ||
           (entity == "LEADER" && code == 76) || (entity == "HATCH" && code == 91);
}

class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size()) {
            return false;
        }
        const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        return true;
    }
    long number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    long number_ = 0;
};

Screening verdict(Screening::Verdict v, std::string detail)
{
    Screening s;
    s.verdict = v;
    s.detail = std::move(detail);
    return s;
}

} // namespace

Screening screenDxfText(std::string_view text)
{
    if (text.substr(0, 18) == "AutoCAD Binary DXF") {
        return verdict(Screening::NotDxf, "Binarny DXF nie jest obsługiwany; zapisz rysunek jako DXF tekstowy (ASCII)");
    }
    Screening s;
    Lines lines(text);
    std::string_view codeLine;
    std::string_view valueLine;
    bool sawSection = false;
    bool sectionNameNext = false;
    std::string section;
    std::string entity;
    bool vertexSinceCount = true;
    while (lines.next(codeLine)) {
        const bool hasValue = lines.next(valueLine);
        if (codeLine.size() > kMaxLineLength || (hasValue && valueLine.size() > kMaxLineLength)) {
            return verdict(sawSection ? Screening::Damaged : Screening::NotDxf,
                           "Wiersz " + std::to_string(lines.number()) + " jest zbyt długi");
        }
        int code = 0;
        if (!parseWhole(codeLine, code)) {
            if (!sawSection) {
                return verdict(Screening::NotDxf, {});
            }
            return verdict(Screening::Damaged, "Wiersz " + std::to_string(lines.number() - 1) +
                                                   ": oczekiwano kodu grupy, jest \"" +
                                                   std::string(trimmed(codeLine).substr(0, 40)) + "\"");
        }
        if (!hasValue) {
            break;
        }
        const std::string_view value = trimmed(valueLine);
        if (code == 0) {
            sectionNameNext = value == "SECTION";
            sawSection = sawSection || sectionNameNext;
            if (value == "ENDSEC") {
                section.clear();
            } else if (section == "ENTITIES" && !reportedByDxflib(value)) {
                ++s.unreported[std::string(value)];
            }
            entity = std::string(value);
            vertexSinceCount = true;
            continue;
        }
        if (code == 2 && sectionNameNext) {
            section = std::string(value);
        }
        sectionNameNext = false;
        long count = 0;
        if (isCount(entity, code) && (!parseWhole(value, count) || count < 0 || count > kMaxEntityCount)) {
            return verdict(Screening::Damaged,
                           "Wiersz " + std::to_string(lines.number()) + ": niepoprawna liczba " + std::string(value));
        }
        if (entity == "LWPOLYLINE") {
            if (code == 90) {
                vertexSinceCount = false;
            } else if (code == 10) {
                vertexSinceCount = true;
            } else if (code == 42 && !vertexSinceCount) {
                return verdict(Screening::Damaged, "Wiersz " + std::to_string(lines.number()) +
                                                       ": wybrzuszenie przed pierwszym wierzchołkiem");
            }
        }
    }
    if (!sawSection) {
        return verdict(Screening::NotDxf, {});
    }
    return s;
}

} // namespace zorind::dxf
