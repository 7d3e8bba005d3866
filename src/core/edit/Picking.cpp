#include "core/edit/Picking.h"

#include <cmath>
#include <limits>

namespace zorind {

namespace {

template <class Points> int nearestWithin(const Points& points, const ViewTransform& view, double px, double py)
{
    int nearest = 0;
    double best = std::numeric_limits<double>::infinity();
    int n = 0;
    for (const auto& point : points) {
        ++n;
        // A NaN distance (a point beyond any pixel) is never within reach.
        const double d = std::hypot(view.screenX(point.x) - px, view.screenY(point.y) - py);
        if (d <= kPickRadiusPixels && d < best) {
            nearest = n;
            best = d;
        }
    }
    return nearest;
}

} // namespace

int nearestNodeWithin(const Project& project, const ViewTransform& view, double px, double py)
{
    return nearestWithin(project.nodes, view, px, py);
}

int nearestInternalPointWithin(const Project& project, const ViewTransform& view, double px, double py)
{
    return nearestWithin(project.internalPoints, view, px, py);
}

} // namespace zorind
