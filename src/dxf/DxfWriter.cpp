// The writing side: the core's drawing of the model through dxflib's
// writer, as AutoCAD 2000 text, into a temporary file whose bytes then
// replace the target the way a project file is replaced.
#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "dxf/DxfFile.h"

namespace zorind::dxf {

namespace {

// A temporary file of our own, removed with this object.
class TemporaryFile {
public:
    TemporaryFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorind-dxf-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            close(fd);
            path_ = pattern;
        }
    }
    ~TemporaryFile()
    {
        if (!path_.empty()) {
            std::remove(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The colour a layer is drawn in: boundaries in turn red, yellow, green,
// cyan, blue, magenta; points green; isolines grey.
int layerColour(const std::string& layer, int index)
{
    if (layer == cad::kPointLayer) {
        return 3;
    }
    if (layer == cad::kIsolineLayer) {
        return 8;
    }
    return 1 + index % 6;
}

void writeTables(DL_Dxf& dxf, DL_WriterA& w, const cad::ExportDrawing& drawing)
{
    w.sectionTables();
    dxf.writeVPort(w);
    w.tableLinetypes(3);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "", 0, 0, 0.0));
    w.tableEnd();
    w.tableLayers(static_cast<int>(drawing.layers.size()) + 1);
    dxf.writeLayer(w, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
    int index = 0;
    for (const std::string& layer : drawing.layers) {
        dxf.writeLayer(w, DL_LayerData(layer, 0), DL_Attributes("", layerColour(layer, index++), -1, -1, "CONTINUOUS"));
    }
    w.tableEnd();
    w.tableStyle(1);
    dxf.writeStyle(w, DL_StyleData("standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(w);
    w.tableEnd();
    w.sectionEnd();
}

void writeBlocks(DL_Dxf& dxf, DL_WriterA& w)
{
    w.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(w, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(w, name);
    }
    w.sectionEnd();
}

void writeEntities(DL_Dxf& dxf, DL_WriterA& w, const cad::ExportDrawing& drawing)
{
    w.sectionEntities();
    for (const cad::ExportPolyline& polyline : drawing.polylines) {
        const DL_Attributes on(polyline.layer, 256, -1, -1, "BYLAYER");
        dxf.writePolyline(w, DL_PolylineData(static_cast<int>(polyline.vertices.size()), 0, 0, polyline.closed ? 1 : 0),
                          on);
        for (const cad::Point& v : polyline.vertices) {
            dxf.writeVertex(w, DL_VertexData(v.x, v.y, 0.0, 0.0));
        }
        dxf.writePolylineEnd(w);
    }
    const DL_Attributes points(cad::kPointLayer, 256, -1, -1, "BYLAYER");
    for (const cad::Point& p : drawing.points) {
        dxf.writePoint(w, DL_PointData(p.x, p.y, 0.0), points);
    }
    const DL_Attributes isolines(cad::kIsolineLayer, 256, -1, -1, "BYLAYER");
    for (const cad::Line& line : drawing.isolines) {
        dxf.writeLine(w, DL_LineData(line.a.x, line.a.y, 0.0, line.b.x, line.b.y, 0.0), isolines);
    }
    w.sectionEnd();
}

} // namespace

FileResult writeDxf(const cad::ExportDrawing& drawing, const std::string& path)
{
    const TemporaryFile temporary;
    FileResult failed{FileStatus::CannotWrite, "Nie można utworzyć pliku tymczasowego"};
    if (temporary.path().empty()) {
        return failed;
    }
    {
        DL_Dxf dxf;
        const std::unique_ptr<DL_WriterA> w(dxf.out(temporary.path().c_str(), DL_Codes::AC1015));
        if (!w) {
            return failed;
        }
        dxf.writeHeader(*w);
        w->sectionEnd();
        writeTables(dxf, *w, drawing);
        writeBlocks(dxf, *w);
        writeEntities(dxf, *w, drawing);
        dxf.writeObjects(*w);
        dxf.writeObjectsEnd(*w);
        w->dxfEOF();
        w->close();
    }
    std::ifstream in(temporary.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        return failed;
    }
    return writeFileSafely(path, bytes.str());
}

} // namespace zorind::dxf
