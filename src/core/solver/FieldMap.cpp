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

std::vector<IsolineSegment> isolineSegments(const FieldMap& map)
{
    std::vector<IsolineSegment> out;
    const double half = map.cell / 2.0;
    for (int row = 0; row + 1 < map.rows; ++row) {
        for (int column = 0; column + 1 < map.columns; ++column) {
            // Corners anticlockwise on the screen from the top left: values
            // and pixel positions.
            const double v[4] = {map.at(column, row), map.at(column + 1, row), map.at(column + 1, row + 1),
                                 map.at(column, row + 1)};
            if (!(std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]) && std::isfinite(v[3]))) {
                continue;
            }
            const double x0 = column * map.cell + half;
            const double y0 = row * map.cell + half;
            const double px[4] = {x0, x0 + map.cell, x0 + map.cell, x0};
            const double py[4] = {y0, y0, y0 + map.cell, y0 + map.cell};
            const double low = std::min({v[0], v[1], v[2], v[3]});
            const double high = std::max({v[0], v[1], v[2], v[3]});
            for (double level : map.levels) {
                if (level < low || level > high) {
                    continue;
                }
                // Where the level crosses each side whose ends lie on its two
                // sides (a corner at the level counts as above it).
                double cx[4];
                double cy[4];
                int n = 0;
                for (int s = 0; s < 4; ++s) {
                    const int t = (s + 1) % 4;
                    if ((v[s] >= level) != (v[t] >= level)) {
                        const double f = (level - v[s]) / (v[t] - v[s]);
                        cx[n] = px[s] + f * (px[t] - px[s]);
                        cy[n] = py[s] + f * (py[t] - py[s]);
                        ++n;
                    }
                }
                if (n == 2) {
                    out.push_back({cx[0], cy[0], cx[1], cy[1]});
                } else if (n == 4) {
                    // A saddle: the pairing by the mean of the corners.
                    const double mean = (v[0] + v[1] + v[2] + v[3]) / 4.0;
                    if ((mean >= level) == (v[0] >= level)) {
                        out.push_back({cx[0], cy[0], cx[1], cy[1]});
                        out.push_back({cx[2], cy[2], cx[3], cy[3]});
                    } else {
                        out.push_back({cx[0], cy[0], cx[3], cy[3]});
                        out.push_back({cx[1], cy[1], cx[2], cy[2]});
                    }
                }
            }
        }
    }
    return out;
}

} // namespace zorind::solver
