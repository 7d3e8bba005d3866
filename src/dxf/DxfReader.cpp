// The reading side: dxflib's entities become the core's drawing pieces.
// DXF keeps arcs, circles and lightweight polylines in the entity's own
// coordinate system, which for a drawing seen from below (extrusion
// 0, 0, -1) is mirrored in x; lines, points, ellipses and splines are in
// world coordinates.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>

#include "dxf/DxfFile.h"
#include "dxf/DxfScreen.h"

namespace zorind::dxf {

namespace {

constexpr double kPi = 3.14159265358979323846;
// An insert's rows times columns beyond this is not placed copy by copy.
constexpr int kMaxArrayCopies = 10000;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

// The sweep of an arc from a to b counter-clockwise, in (0, 2π].
double forwardEnd(double a, double b)
{
    while (b <= a) {
        b += 2.0 * kPi;
    }
    while (b > a + 2.0 * kPi) {
        b -= 2.0 * kPi;
    }
    return b;
}

struct PolylineVertex {
    cad::Point at;
    double bulge = 0.0;
};

class Collector : public DL_CreationAdapter {
public:
    cad::Drawing drawing;

    void addBlock(const DL_BlockData& data) override
    {
        // Paper space holds title blocks and sheets, not the part.
        const bool paper = data.name.rfind("*Paper_Space", 0) == 0 || data.name.rfind("*PAPER_SPACE", 0) == 0;
        block_ = paper ? &ignored_ : &drawing.blocks[data.name];
        block_->base = {data.bpx, data.bpy};
        inBlock_ = true;
    }
    void endBlock() override
    {
        block_ = &drawing.model;
        inBlock_ = false;
    }

    void addLine(const DL_LineData& d) override { add(cad::Line{{d.x1, d.y1}, {d.x2, d.y2}}, false); }
    void addArc(const DL_ArcData& d) override
    {
        const double t0 = radians(d.angle1);
        add(cad::circularArc({d.cx, d.cy}, d.radius, t0, forwardEnd(t0, radians(d.angle2))), true);
    }
    void addCircle(const DL_CircleData& d) override
    {
        add(cad::circularArc({d.cx, d.cy}, d.radius, 0.0, 2.0 * kPi), true);
    }
    void addEllipse(const DL_EllipseData& d) override
    {
        // The minor axis turns a quarter from the major one about the
        // extrusion direction.
        const double side = seenFromBelow() ? -1.0 : 1.0;
        const cad::Point major{d.mx, d.my};
        const cad::Point minor{-d.my * d.ratio * side, d.mx * d.ratio * side};
        add(cad::EllipticArc{{d.cx, d.cy}, major, minor, d.angle1, forwardEnd(d.angle1, d.angle2)}, false);
    }
    void addPoint(const DL_PointData& d) override
    {
        if (visible()) {
            block_->points.push_back({d.x, d.y});
        }
    }

    void addPolyline(const DL_PolylineData& d) override
    {
        finishPolyline();
        // Meshes and polyface meshes are no outlines.
        polylineIsMesh_ = (d.flags & (16 | 64)) != 0;
        polylineClosed_ = (d.flags & 1) != 0;
        polylineMirrored_ = seenFromBelow();
        polylineOpen_ = true;
        vertices_.clear();
    }
    void addVertex(const DL_VertexData& d) override
    {
        if (polylineOpen_) {
            vertices_.push_back({{d.x, d.y}, d.bulge});
        }
    }
    void endSequence() override { finishPolyline(); }

    void addSpline(const DL_SplineData& d) override
    {
        finishPolyline();
        spline_ = cad::Spline{};
        spline_.degree = static_cast<int>(d.degree);
        fitPoints_.clear();
        splineOpen_ = true;
    }
    void addControlPoint(const DL_ControlPointData& d) override
    {
        spline_.control.push_back({d.x, d.y});
        spline_.weights.push_back(d.w);
    }
    void addKnot(const DL_KnotData& d) override { spline_.knots.push_back(d.k); }
    void addFitPoint(const DL_FitPointData& d) override { fitPoints_.push_back({d.x, d.y}); }

    void endEntity() override
    {
        finishPolyline();
        finishSpline();
    }

    void addInsert(const DL_InsertData& d) override;

    // What makes no boundary, counted by kind in the model space.
    void addXLine(const DL_XLineData&) override { skip("XLINE"); }
    void addRay(const DL_RayData&) override { skip("RAY"); }
    void addText(const DL_TextData&) override { skip("TEXT"); }
    void addMText(const DL_MTextData&) override { skip("MTEXT"); }
    void addAttribute(const DL_AttributeData&) override { skip("ATTRIB"); }
    void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { skip("DIMENSION"); }
    void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { skip("DIMENSION"); }
    void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { skip("DIMENSION"); }
    void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { skip("DIMENSION"); }
    void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { skip("DIMENSION"); }
    void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { skip("DIMENSION"); }
    void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { skip("DIMENSION"); }
    void addLeader(const DL_LeaderData&) override { skip("LEADER"); }
    void addHatch(const DL_HatchData&) override { skip("HATCH"); }
    void addImage(const DL_ImageData&) override { skip("IMAGE"); }
    void addTrace(const DL_TraceData&) override { skip("TRACE"); }
    void addSolid(const DL_SolidData&) override { skip("SOLID"); }
    void add3dFace(const DL_3dFaceData&) override { skip("3DFACE"); }

    // A polyline or spline the file never ended.
    void finish()
    {
        finishPolyline();
        finishSpline();
    }

private:
    bool seenFromBelow() { return getExtrusion()->getDirection()[2] < 0.0; }
    // Paper space is the sheet, not the part; the isolines of an exported
    // field map are no boundary of it either.
    bool visible()
    {
        const DL_Attributes attributes = getAttributes();
        return (inBlock_ || !attributes.isInPaperSpace()) && attributes.getLayer() != cad::kIsolineLayer;
    }

    void skip(const char* kind)
    {
        if (!inBlock_ && visible()) {
            ++drawing.skipped[kind];
        }
    }

    // A piece in the current block; `objectCoordinates` when it is given
    // in the entity's own system, mirrored for a drawing seen from below.
    void add(const cad::Piece& piece, bool objectCoordinates)
    {
        if (!visible()) {
            return;
        }
        const bool mirror = objectCoordinates && seenFromBelow();
        block_->pieces.push_back(mirror ? cad::transformed(piece, cad::Affine{-1.0, 0.0, 0.0, 1.0, 0.0, 0.0}) : piece);
    }

    void finishPolyline();
    void finishSpline();

    cad::Block* block_ = &drawing.model;
    cad::Block ignored_;
    bool inBlock_ = false;

    bool polylineOpen_ = false;
    bool polylineClosed_ = false;
    bool polylineMirrored_ = false;
    bool polylineIsMesh_ = false;
    std::vector<PolylineVertex> vertices_;

    bool splineOpen_ = false;
    cad::Spline spline_;
    std::vector<cad::Point> fitPoints_;
};

void Collector::finishPolyline()
{
    if (!polylineOpen_) {
        return;
    }
    polylineOpen_ = false;
    if (polylineIsMesh_) {
        skip("POLYLINE");
        return;
    }
    const std::size_t n = vertices_.size();
    const std::size_t segments = polylineClosed_ ? n : (n == 0 ? 0 : n - 1);
    const cad::Affine mirror{-1.0, 0.0, 0.0, 1.0, 0.0, 0.0};
    for (std::size_t i = 0; i < segments && n >= 2; ++i) {
        const PolylineVertex& from = vertices_[i];
        const PolylineVertex& to = vertices_[(i + 1) % n];
        const auto segment = cad::bulgeSegment(from.at, to.at, from.bulge);
        const cad::Piece piece = std::visit([](const auto& s) { return cad::Piece(s); }, segment);
        if (visible()) {
            block_->pieces.push_back(polylineMirrored_ ? cad::transformed(piece, mirror) : piece);
        }
    }
}

void Collector::finishSpline()
{
    if (!splineOpen_) {
        return;
    }
    splineOpen_ = false;
    if (cad::validSpline(spline_)) {
        add(spline_, false);
        return;
    }
    // Without usable control points the fit points, which lie on the
    // curve, are joined by straight lines.
    if (fitPoints_.size() >= 2) {
        for (std::size_t i = 0; i + 1 < fitPoints_.size(); ++i) {
            add(cad::Line{fitPoints_[i], fitPoints_[i + 1]}, false);
        }
        return;
    }
    skip("SPLINE");
}

void Collector::addInsert(const DL_InsertData& d)
{
    if (!visible()) {
        return;
    }
    const int columns = std::max(d.cols, 1);
    const int rows = std::max(d.rows, 1);
    if (static_cast<long long>(columns) * rows > kMaxArrayCopies) {
        skip("INSERT");
        return;
    }
    const double angle = radians(d.angle);
    const cad::Affine turn = cad::scaleAndTurn(1.0, 1.0, angle);
    const cad::Affine shape = cad::scaleAndTurn(d.sx, d.sy, angle);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const cad::Point offset = turn.turn({c * d.colSp, r * d.rowSp});
            cad::Affine placement = cad::compose(cad::translation(d.ipx + offset.x, d.ipy + offset.y), shape);
            if (seenFromBelow()) {
                placement = cad::compose(cad::Affine{-1.0, 0.0, 0.0, 1.0, 0.0, 0.0}, placement);
            }
            block_->inserts.push_back({d.name, placement});
        }
    }
}

// The file's bytes, or why there are none.
cad::DrawingRead readBytes(const std::string& path, std::string& bytes)
{
    cad::DrawingRead read;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        read.status = cad::ReadStatus::CannotOpen;
        return read;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        read.status = cad::ReadStatus::CannotOpen;
        return read;
    }
    if (size > kMaxDxfFileSize) {
        read.status = cad::ReadStatus::TooLarge;
        read.detail = std::to_string(size);
        return read;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) {
        read.status = cad::ReadStatus::CannotOpen;
        return read;
    }
    bytes = content.str();
    // A byte-order mark is no part of the first group code.
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    }
    return read;
}

} // namespace

cad::DrawingRead readDxf(const std::string& path)
{
    std::string bytes;
    cad::DrawingRead read = readBytes(path, bytes);
    if (read.status != cad::ReadStatus::Ok) {
        return read;
    }
    const Screening screening = screenDxfText(bytes);
    if (screening.verdict != Screening::Readable) {
        read.status = screening.verdict == Screening::NotDxf ? cad::ReadStatus::NotDrawing : cad::ReadStatus::Damaged;
        read.detail = screening.detail;
        return read;
    }
    Collector collector;
    // The reader converts numbers through the global locale.
    const std::locale previous = std::locale::global(std::locale::classic());
    try {
        std::istringstream in(bytes);
        DL_Dxf reader;
        reader.in(in, &collector);
        collector.finish();
    } catch (const std::exception& error) {
        std::locale::global(previous);
        read.status = cad::ReadStatus::Damaged;
        read.detail = error.what();
        return read;
    }
    std::locale::global(previous);
    read.drawing = std::move(collector.drawing);
    for (const auto& [kind, count] : screening.unreported) {
        read.drawing.skipped[kind] += count;
    }
    return read;
}

} // namespace zorind::dxf
