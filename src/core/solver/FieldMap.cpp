#include "core/solver/FieldMap.h"

#include <algorithm>
#include <cmath>

#include "core/view/ColourScale.h"

namespace zorind::solver {

FieldMap blankFieldMap(const ColourScaleRange& range, int clientWidth, int clientHeight, int cell)
{
    FieldMap map;
    map.cell = std::clamp(cell, 1, 64);
    map.range = range;
    const int width = std::max(clientWidth, 0);
    const int height = std::max(clientHeight, 0);
    map.columns = (width + map.cell - 1) / map.cell;
    map.rows = (height + map.cell - 1) / map.cell;
    map.values.assign(static_cast<std::size_t>(map.columns) * static_cast<std::size_t>(map.rows), std::nan(""));
    const ColourScaleLayout layout = colourScaleLayout(range, kScaleWindowHeight);
    for (std::size_t i = 1; i + 1 < layout.labels.size(); ++i) {
        map.levels.push_back(layout.labels[i].value);
    }
    return map;
}

FieldMap computeFieldMap(const PotentialField& field, const ViewTransform& view, const ColourScaleRange& range,
                         int clientWidth, int clientHeight, int cell, const std::atomic<bool>* cancel,
                         std::atomic<std::size_t>* done)
{
    FieldMap map = blankFieldMap(range, clientWidth, clientHeight, cell);
    const std::size_t count = map.values.size();

    // The cell centres in model units: the view's conversions undone, in
    // double precision.
    std::vector<double> xs(count);
    std::vector<double> ys(count);
    const double scaleX = view.scaleX;
    const double scaleY = view.scaleY;
    const double half = map.cell / 2.0;
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            const auto k = static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) +
                           static_cast<std::size_t>(column);
            const double px = column * map.cell + half;
            const double py = row * map.cell + half;
            xs[k] = view.areaXMin + (px - view.marginLeft - view.offsetX) / scaleX;
            ys[k] = view.areaYMin + (view.marginTop + view.drawHeight() - view.offsetY - py) / scaleY;
        }
    }
    if (scaleX != 0.0 && scaleY != 0.0 && std::isfinite(scaleX) && std::isfinite(scaleY)) {
        field.evaluate(xs.data(), ys.data(), map.values.data(), count, cancel, done);
    }
    return map;
}

namespace {

// Where a pixel position falls between the cell centres along one axis:
// the two centres (the same one beyond the first or last) and the weight of
// the second.
struct AxisWeight {
    int first = 0;
    int second = 0;
    double weight = 0.0;
};

AxisWeight axisWeight(double position, int cell, int count)
{
    const double u = (position - cell / 2.0) / cell;
    if (!(u > 0.0) || count < 2) {
        return {0, 0, 0.0};
    }
    if (u >= count - 1) {
        return {count - 1, count - 1, 0.0};
    }
    const int first = static_cast<int>(u);
    return {first, first + 1, u - first};
}

double bilinear(const FieldMap& map, const std::vector<double>& values, const AxisWeight& cx, const AxisWeight& cy)
{
    const auto at = [&](int column, int row) {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) +
                      static_cast<std::size_t>(column)];
    };
    const double top = at(cx.first, cy.first) + cx.weight * (at(cx.second, cy.first) - at(cx.first, cy.first));
    const double bottom = at(cx.first, cy.second) + cx.weight * (at(cx.second, cy.second) - at(cx.first, cy.second));
    return top + cy.weight * (bottom - top);
}

} // namespace

std::vector<double> extendedValues(const FieldMap& map)
{
    std::vector<double> out = map.values;
    const auto index = [&](int column, int row) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) + static_cast<std::size_t>(column);
    };
    const auto finiteAt = [&](const std::vector<double>& v, int column, int row) {
        return column >= 0 && row >= 0 && column < map.columns && row < map.rows &&
               std::isfinite(v[index(column, row)]);
    };
    constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int ring = 0; ring < 2; ++ring) {
        std::vector<double> next = out;
        for (int row = 0; row < map.rows; ++row) {
            for (int column = 0; column < map.columns; ++column) {
                if (std::isfinite(out[index(column, row)])) {
                    continue;
                }
                double sum = 0.0;
                int count = 0;
                for (const auto& step : kSteps) {
                    const int c1 = column + step[0];
                    const int r1 = row + step[1];
                    if (!finiteAt(out, c1, r1)) {
                        continue;
                    }
                    const double near = out[index(c1, r1)];
                    const int c2 = c1 + step[0];
                    const int r2 = r1 + step[1];
                    sum += finiteAt(out, c2, r2) ? 2.0 * near - out[index(c2, r2)] : near;
                    ++count;
                }
                if (count > 0) {
                    next[index(column, row)] = sum / count;
                }
            }
        }
        out = std::move(next);
    }
    return out;
}

double interpolatedValue(const FieldMap& map, const std::vector<double>& values, double x, double y)
{
    if (map.columns <= 0 || map.rows <= 0) {
        return std::nan("");
    }
    return bilinear(map, values, axisWeight(x, map.cell, map.columns), axisWeight(y, map.cell, map.rows));
}

void interpolatedRow(const FieldMap& map, const std::vector<double>& values, int row, int width, double* out)
{
    if (map.columns <= 0 || map.rows <= 0) {
        std::fill(out, out + std::max(width, 0), std::nan(""));
        return;
    }
    // The two rows of centres blended first, then each pixel between two
    // of the blend's columns.
    const AxisWeight cy = axisWeight(row + 0.5, map.cell, map.rows);
    const double* top = values.data() + static_cast<std::size_t>(cy.first) * static_cast<std::size_t>(map.columns);
    const double* bottom = values.data() + static_cast<std::size_t>(cy.second) * static_cast<std::size_t>(map.columns);
    std::vector<double> blend(static_cast<std::size_t>(map.columns));
    for (std::size_t c = 0; c < blend.size(); ++c) {
        blend[c] = top[c] + cy.weight * (bottom[c] - top[c]);
    }
    for (int x = 0; x < width; ++x) {
        const AxisWeight cx = axisWeight(x + 0.5, map.cell, map.columns);
        const double a = blend[static_cast<std::size_t>(cx.first)];
        out[x] = a + cx.weight * (blend[static_cast<std::size_t>(cx.second)] - a);
    }
}

} // namespace zorind::solver
