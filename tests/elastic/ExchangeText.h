#pragma once

// Builds exchange-file text the way the application's export lays it out, so
// that tests and benchmarks go through the real reader.
#include "elastic/ExchangeModel.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace zorind::elastic::test {

// precision < 0: the export's own "%f"; otherwise "%.<precision>g".
inline std::string exchangeText(const ExchangeModel& m, int precision = 17)
{
    std::string out;
    char buf[128];
    auto real = [&](double v) {
        if (precision < 0) {
            std::snprintf(buf, sizeof buf, " %f", v);
        } else {
            std::snprintf(buf, sizeof buf, " %.*g", precision, v);
        }
        out += buf;
    };
    const int n = static_cast<int>(m.nodes.size());
    out += "0 " + std::to_string(m.elements.size()) + " " + std::to_string(n) + " " +
           std::to_string(m.internalPoints.size()) + " 1 0";
    real(m.youngModulus);
    real(m.poissonRatio);
    out += "\n";
    for (int i = 0; i < n; ++i) {
        out += std::to_string(i + 1);
        real(m.nodes[static_cast<std::size_t>(i)].x);
        real(m.nodes[static_cast<std::size_t>(i)].y);
        out += " 0 0\n";
    }
    for (std::size_t i = 0; i < m.internalPoints.size(); ++i) {
        out += std::to_string(n + static_cast<int>(i) + 1);
        real(m.internalPoints[i].x);
        real(m.internalPoints[i].y);
        out += "\n";
    }
    for (std::size_t e = 0; e < m.elements.size(); ++e) {
        out += std::to_string(e + 1) + " " + std::to_string(m.elements[e].start + 1) + " " +
               std::to_string(m.elements[e].end + 1) + "\n";
    }
    out += std::to_string(m.displacements.size()) + " " + std::to_string(m.tractions.size()) + "\n";
    for (const NodalValue& v : m.displacements) {
        out += std::to_string(v.node + 1);
        real(v.x);
        real(v.y);
        out += " 1 1\n";
    }
    for (const NodalValue& v : m.tractions) {
        out += std::to_string(v.node + 1);
        real(v.x);
        real(v.y);
        out += "\n";
    }
    return out;
}

// Appends a closed polygon of nodes joined by elements in the given order.
inline void addLoop(ExchangeModel& m, const std::vector<Point>& corners)
{
    const int first = static_cast<int>(m.nodes.size());
    const int count = static_cast<int>(corners.size());
    for (int i = 0; i < count; ++i) {
        m.nodes.push_back(corners[static_cast<std::size_t>(i)]);
        m.elements.push_back({first + i, first + (i + 1) % count});
    }
}

inline std::vector<Point> circle(double radius, int count, bool anticlockwise = true)
{
    std::vector<Point> p;
    for (int i = 0; i < count; ++i) {
        const double a = (anticlockwise ? 1.0 : -1.0) * 2.0 * std::numbers::pi * i / count;
        p.push_back({radius * std::cos(a), radius * std::sin(a)});
    }
    return p;
}

// A square [0, side]^2 anticlockwise with perSide elements on each side.
inline std::vector<Point> square(double side, int perSide)
{
    std::vector<Point> p;
    const double h = side / perSide;
    for (int i = 0; i < perSide; ++i)
        p.push_back({i * h, 0.0});
    for (int i = 0; i < perSide; ++i)
        p.push_back({side, i * h});
    for (int i = 0; i < perSide; ++i)
        p.push_back({side - i * h, side});
    for (int i = 0; i < perSide; ++i)
        p.push_back({0.0, side - i * h});
    return p;
}

// The largest exchange file the application can write: a 199-node boundary
// (an outer circle and a hole) fixed on the outer circle, pressed inside, and
// 499 internal points between them.
inline ExchangeModel largestModel()
{
    ExchangeModel m;
    m.youngModulus = 210000003072.0;
    m.poissonRatio = 0.3;
    addLoop(m, circle(2.0, 120));
    addLoop(m, circle(1.0, 79, false));
    for (int i = 0; i < 120; ++i) {
        m.displacements.push_back({i, 0.0, 0.0});
    }
    for (int i = 120; i < 199; ++i) {
        const Point& p = m.nodes[static_cast<std::size_t>(i)];
        m.tractions.push_back({i, 1e6 * p.x, 1e6 * p.y});
    }
    for (int i = 0; i < 499; ++i) {
        const double r = 1.1 + 0.8 * (i % 10) / 9.0;
        const double a = 2.0 * std::numbers::pi * (i / 10) / 50.0;
        m.internalPoints.push_back({r * std::cos(a), r * std::sin(a)});
    }
    return m;
}

} // namespace zorind::elastic::test
