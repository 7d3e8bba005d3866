#include "core/cad/DrawingImport.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cad/Loops.h"
#include "core/model/NumberFormat.h"

namespace zorind::cad {

namespace {

// How many points a message names before it only counts the rest.
constexpr std::size_t kPointsNamed = 6;

std::string pointsText(const std::vector<Point>& points)
{
    std::string text;
    for (std::size_t i = 0; i < points.size() && i < kPointsNamed; ++i) {
        text += (i == 0 ? "" : ", ") + pointText(points[i]);
    }
    if (points.size() > kPointsNamed) {
        text += " i " + std::to_string(points.size() - kPointsNamed) + " innych";
    }
    return text;
}

std::string lengthText(double length)
{
    return formatGeneral(length, 6);
}

struct Extent {
    double xmin = std::numeric_limits<double>::infinity();
    double xmax = -std::numeric_limits<double>::infinity();
    double ymin = std::numeric_limits<double>::infinity();
    double ymax = -std::numeric_limits<double>::infinity();
    void add(Point p)
    {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    double size() const { return std::max(xmax - xmin, ymax - ymin); }
};

bool finitePoint(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// A coordinate as the tables hold it; infinite beyond the float range
// (where a plain conversion would be undefined).
double stored(double value)
{
    if (std::abs(value) > std::numeric_limits<float>::max()) {
        return value > 0.0 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    }
    return static_cast<float>(value);
}

// The pieces whose every number is finite, with the drawing's size.
std::vector<Piece> usablePieces(const std::vector<Piece>& pieces, Extent& extent)
{
    std::vector<Piece> usable;
    for (const Piece& piece : pieces) {
        const std::vector<Point> points = divide(piece, isStraight(piece) ? 1 : 8);
        if (!std::all_of(points.begin(), points.end(), finitePoint) || !std::isfinite(lengthOf(piece))) {
            continue;
        }
        for (const Point& p : points) {
            extent.add(p);
        }
        usable.push_back(piece);
    }
    return usable;
}

// One piece of a loop as the cutting sees it.
struct Cut {
    double length = 0.0;
    int fewest = 1;
    bool straight = true;
};

constexpr int kManyParts = 1000000;

int partsFor(const Cut& cut, double elementLength)
{
    if (cut.straight) {
        return 1;
    }
    // A length that is a whole number of elements, but for the last bit of
    // the arithmetic, takes that number.
    const double parts = std::ceil(cut.length / elementLength * (1.0 - 1e-12));
    return std::max(cut.fewest, parts < kManyParts ? static_cast<int>(parts) : kManyParts);
}

long long nodesAt(const std::vector<Cut>& cuts, double elementLength)
{
    long long nodes = 0;
    for (const Cut& cut : cuts) {
        nodes += partsFor(cut, elementLength);
    }
    return nodes;
}

// The shortest length at which every curve takes its fewest elements.
double fewestLength(const std::vector<Cut>& cuts)
{
    double length = 0.0;
    for (const Cut& cut : cuts) {
        if (!cut.straight) {
            length = std::max(length, cut.length / cut.fewest);
        }
    }
    return length;
}

// The shortest element length at which the loops take at most `limit`
// nodes (the node count only falls as the length grows).
double shortestFitting(const std::vector<Cut>& cuts, long long limit)
{
    double high = fewestLength(cuts);
    double low = high * 1e-12;
    if (nodesAt(cuts, low) <= limit) {
        return low;
    }
    for (int i = 0; i < 200 && high / low > 1.0 + 1e-12; ++i) {
        const double middle = std::sqrt(low * high);
        (nodesAt(cuts, middle) <= limit ? high : low) = middle;
    }
    return high;
}

// The loop's vertices, as the tables will hold them.
struct Outline {
    std::vector<Point> vertices;
    int depth = 0;
    int parent = -1;
};

double signedArea(const std::vector<Point>& v)
{
    double area = 0.0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Point& a = v[i];
        const Point& b = v[(i + 1) % v.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2.0;
}

bool insidePolygon(Point p, const std::vector<Point>& v)
{
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < v[j].x + (p.y - v[j].y) * (v[i].x - v[j].x) / (v[i].y - v[j].y)) {
            inside = !inside;
        }
    }
    return inside;
}

double orientation(Point a, Point b, Point c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool within(Point a, Point b, Point p)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Where two segments meet (cross or touch), if they do.
std::optional<Point> meeting(Point p1, Point p2, Point q1, Point q2)
{
    const double o1 = orientation(p1, p2, q1);
    const double o2 = orientation(p1, p2, q2);
    const double o3 = orientation(q1, q2, p1);
    const double o4 = orientation(q1, q2, p2);
    if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0))) {
        const double f = o3 / (o3 - o4);
        return Point{p1.x + f * (p2.x - p1.x), p1.y + f * (p2.y - p1.y)};
    }
    if (o1 == 0 && within(p1, p2, q1)) {
        return q1;
    }
    if (o2 == 0 && within(p1, p2, q2)) {
        return q2;
    }
    if (o3 == 0 && within(q1, q2, p1)) {
        return p1;
    }
    if (o4 == 0 && within(q1, q2, p2)) {
        return p2;
    }
    return std::nullopt;
}

// The first place where elements of the outlines meet, other than the
// node two neighbours of one outline share.
std::optional<Point> firstCrossing(const std::vector<Outline>& outlines)
{
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        const std::vector<Point>& a = outlines[i].vertices;
        for (std::size_t j = i; j < outlines.size(); ++j) {
            const std::vector<Point>& b = outlines[j].vertices;
            for (std::size_t s = 0; s < a.size(); ++s) {
                for (std::size_t t = (i == j ? s + 1 : 0); t < b.size(); ++t) {
                    if (i == j && (t == s + 1 || (s == 0 && t == a.size() - 1))) {
                        continue;
                    }
                    const std::optional<Point> at =
                        meeting(a[s], a[(s + 1) % a.size()], b[t], b[(t + 1) % b.size()]);
                    if (at) {
                        return at;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

double roundLengthUp(double length)
{
    if (!(length > 0.0) || !std::isfinite(length)) {
        return length;
    }
    static constexpr double kSteps[] = {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};
    const double power = std::pow(10.0, std::floor(std::log10(length)));
    for (double step : kSteps) {
        if (step * power >= length * (1.0 - 1e-12)) {
            return step * power;
        }
    }
    return 10.0 * power;
}

std::string pointText(Point p)
{
    std::string text = "(";
    text += formatGeneral(p.x, 6);
    text += ", ";
    text += formatGeneral(p.y, 6);
    text += ")";
    return text;
}

namespace {

std::string capacityText()
{
    return ", a projekt mieści najwyżej " + std::to_string(kMaxNodes);
}

// The element length for the loops' curves, or the refusal when the model
// would not fit the tables. Sets result.elementLength and lengthChosen.
std::string chooseLength(const std::vector<Cut>& cuts, const ImportOptions& options, DrawingImport& result)
{
    if (options.elementLength && !(*options.elementLength > 0.0 && std::isfinite(*options.elementLength))) {
        return "Długość elementu musi być liczbą dodatnią";
    }
    const bool curves = std::any_of(cuts.begin(), cuts.end(), [](const Cut& c) { return !c.straight; });
    const double fewest = fewestLength(cuts);
    const long long least = curves ? nodesAt(cuts, fewest) : static_cast<long long>(cuts.size());
    if (least > kMaxNodes) {
        return "Rysunek wymaga co najmniej " + std::to_string(least) + " węzłów" + capacityText();
    }
    if (!curves) {
        result.elementLength = options.elementLength;
        return {};
    }
    if (options.elementLength) {
        const long long needed = nodesAt(cuts, *options.elementLength);
        if (needed > kMaxNodes) {
            return "Przy długości elementu " + lengthText(*options.elementLength) + " rysunek wymaga " +
                   std::to_string(needed) + " węzłów" + capacityText() + "; zmieści się przy długości elementu " +
                   lengthText(roundLengthUp(shortestFitting(cuts, kMaxNodes)));
        }
        result.elementLength = options.elementLength;
        return {};
    }
    const long long target = std::max<long long>(kDefaultNodeTarget, least);
    result.elementLength = roundLengthUp(shortestFitting(cuts, target));
    result.lengthChosen = true;
    return {};
}

// The nodes of each loop, cut at the element length and rounded to the
// tables' precision; consecutive nodes that rounding made one are one.
std::vector<Outline> outlinesOf(const std::vector<Piece>& pieces, const std::vector<Loop>& loops, double length,
                                std::vector<std::string>& notes)
{
    std::vector<Outline> outlines;
    for (const Loop& loop : loops) {
        Outline outline;
        for (const LoopStep& step : loop.steps) {
            const Piece& piece = pieces[step.piece];
            const Cut cut{lengthOf(piece), fewestElements(piece), isStraight(piece)};
            std::vector<Point> points = divide(piece, partsFor(cut, length));
            if (step.reversed) {
                std::reverse(points.begin(), points.end());
            }
            for (std::size_t k = 0; k + 1 < points.size(); ++k) {
                const Point p{stored(points[k].x), stored(points[k].y)};
                if (outline.vertices.empty() || !(outline.vertices.back() == p)) {
                    outline.vertices.push_back(p);
                }
            }
        }
        while (outline.vertices.size() > 1 && outline.vertices.back() == outline.vertices.front()) {
            outline.vertices.pop_back();
        }
        if (outline.vertices.size() < 3) {
            notes.push_back("Pominięto kontur mniejszy niż dokładność współrzędnych w punkcie " +
                            pointText(startOf(pieces[loop.steps.front().piece])));
            continue;
        }
        outlines.push_back(std::move(outline));
    }
    return outlines;
}

// How deep each outline lies among the others, and the one right around it.
void nest(std::vector<Outline>& outlines)
{
    for (Outline& o : outlines) {
        for (std::size_t j = 0; j < outlines.size(); ++j) {
            if (&outlines[j] != &o && insidePolygon(o.vertices.front(), outlines[j].vertices)) {
                ++o.depth;
            }
        }
    }
    for (Outline& o : outlines) {
        for (std::size_t j = 0; j < outlines.size(); ++j) {
            const Outline& around = outlines[j];
            if (&around != &o && around.depth == o.depth - 1 && insidePolygon(o.vertices.front(), around.vertices)) {
                o.parent = static_cast<int>(j);
            }
        }
    }
}

// The outlines in the order a user would draw them: each after the one
// around it, otherwise as in the drawing.
std::vector<std::size_t> drawingOrder(const std::vector<Outline>& outlines)
{
    std::vector<std::size_t> order;
    std::vector<bool> placed(outlines.size(), false);
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        std::vector<std::size_t> chain;
        for (int k = static_cast<int>(i); k >= 0 && !placed[static_cast<std::size_t>(k)];
             k = outlines[static_cast<std::size_t>(k)].parent) {
            chain.push_back(static_cast<std::size_t>(k));
        }
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            placed[*it] = true;
            order.push_back(*it);
        }
    }
    return order;
}

// Outer outlines counter-clockwise, inner ones clockwise, each still
// starting at its first node.
void orient(Outline& outline)
{
    const bool inner = outline.depth % 2 == 1;
    if ((signedArea(outline.vertices) < 0.0) != inner) {
        std::reverse(outline.vertices.begin() + 1, outline.vertices.end());
    }
}

// Whether a point lies inside the body: inside an odd number of outlines.
bool inRegion(Point p, const std::vector<Outline>& outlines)
{
    int around = 0;
    for (const Outline& o : outlines) {
        around += insidePolygon(p, o.vertices) ? 1 : 0;
    }
    return around % 2 == 1;
}

void fillModel(const std::vector<Outline>& outlines, const std::vector<Point>& points, const ImportOptions& options,
               Model& model, DrawingImport& result)
{
    model.nodes.resize(0);
    model.elements.resize(0);
    model.boundaries.resize(0);
    model.internalPoints.resize(0);
    model.internalPointResults.resize(0);
    for (std::size_t i : drawingOrder(outlines)) {
        const Outline& o = outlines[i];
        const int boundary = model.boundaries.append({o.depth % 2 == 1 ? InnerBoundary : OuterBoundary});
        const int first = model.nodeCount() + 1;
        for (const Point& v : o.vertices) {
            model.nodes.append({static_cast<float>(v.x), static_cast<float>(v.y)});
        }
        const int last = model.nodeCount();
        for (int n = first; n <= last; ++n) {
            model.elements.append({n, n == last ? first : n + 1, 1, boundary});
        }
    }
    int outside = 0;
    for (const Point& p : points) {
        const Point at{stored(p.x), stored(p.y)};
        if (!finitePoint(at) || !inRegion(at, outlines) || model.internalPoints.full()) {
            ++outside;
            continue;
        }
        model.internalPoints.append({static_cast<float>(at.x), static_cast<float>(at.y), 0.0f});
    }
    if (outside > 0) {
        result.notes.push_back("Pominięto punkty poza obszarem lub ponad pojemność tablicy: " + std::to_string(outside));
    }
    model.analysisType = options.analysisType;
    model.resultsValid = 0;
    model.currentBoundary = 1;
    model.currentCondition = 1;
    result.boundaries = model.boundaryCount();
    result.nodes = model.nodeCount();
    result.elements = model.elementCount();
    result.internalPoints = model.internalPointCount();
}

std::string skippedText(const std::map<std::string, int>& skipped)
{
    std::string text;
    for (const auto& entry : skipped) {
        text += (text.empty() ? "" : ", ") + entry.first + " (" + std::to_string(entry.second) + ")";
    }
    return text;
}

// The refusal for a drawing with no loop to import, or with loops that
// branch.
std::string joiningRefusal(const Joining& joining)
{
    if (!joining.branchPoints.empty()) {
        return "Kontury stykają się lub rozgałęziają w punkcie " + pointText(joining.branchPoints.front());
    }
    if (joining.loops.empty()) {
        return "Rysunek nie zawiera zamkniętego konturu" +
               (joining.openEnds.empty() ? std::string() : "; otwarte końce: " + pointsText(joining.openEnds));
    }
    if (joining.loops.size() > static_cast<std::size_t>(kMaxBoundaries)) {
        return "Rysunek ma " + std::to_string(joining.loops.size()) +
               " zamkniętych konturów, a projekt mieści najwyżej " + std::to_string(kMaxBoundaries) + " brzegów";
    }
    return {};
}

bool inFloatRange(const std::vector<Outline>& outlines)
{
    for (const Outline& o : outlines) {
        for (const Point& v : o.vertices) {
            if (!finitePoint(v)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

DrawingImport importDrawing(const Drawing& drawing, const ImportOptions& options, Model& model)
{
    DrawingImport result;
    std::map<std::string, int> skipped = drawing.skipped;
    const Block flat = flatten(drawing, skipped);
    Extent extent;
    const std::vector<Piece> pieces = usablePieces(flat.pieces, extent);
    if (pieces.empty() || !(extent.size() > 0.0)) {
        result.refusal = "Rysunek nie zawiera linii, łuków ani okręgów";
        return result;
    }
    const Joining joining = joinPieces(pieces, kJoinTolerance * extent.size());
    result.refusal = joiningRefusal(joining);
    if (!result.ok()) {
        return result;
    }
    std::vector<Cut> cuts;
    for (const Loop& loop : joining.loops) {
        for (const LoopStep& step : loop.steps) {
            const Piece& piece = pieces[step.piece];
            cuts.push_back({lengthOf(piece), fewestElements(piece), isStraight(piece)});
        }
    }
    result.refusal = chooseLength(cuts, options, result);
    if (!result.ok()) {
        return result;
    }
    std::vector<Outline> outlines =
        outlinesOf(pieces, joining.loops, result.elementLength.value_or(extent.size()), result.notes);
    if (outlines.empty()) {
        result.refusal = "Rysunek nie zawiera zamkniętego konturu";
        return result;
    }
    if (!inFloatRange(outlines)) {
        result.refusal = "Współrzędne rysunku wykraczają poza zakres liczb projektu";
        return result;
    }
    if (const std::optional<Point> at = firstCrossing(outlines)) {
        result.refusal = "Kontury przecinają się w punkcie " + pointText(*at);
        return result;
    }
    nest(outlines);
    for (Outline& o : outlines) {
        orient(o);
    }
    if (!joining.openEnds.empty()) {
        result.notes.push_back("Pominięto niezamknięte linie o końcach " + pointsText(joining.openEnds));
    }
    if (!skipped.empty()) {
        result.notes.push_back("Pominięto obiekty: " + skippedText(skipped));
    }
    Model built = model;
    fillModel(outlines, flat.points, options, built, result);
    model = built;
    return result;
}

} // namespace zorind::cad
