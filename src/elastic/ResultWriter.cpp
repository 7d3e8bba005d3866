#include "ResultWriter.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace zorind::elastic {

namespace {

// Nine significant digits: every value survives the import's float exactly.
std::string real(double value)
{
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), " %16.8E", value);
    return buf.data();
}

std::string integer(int value)
{
    std::array<char, 16> buf{};
    std::snprintf(buf.data(), buf.size(), "%6d", value);
    return buf.data();
}

void writeStress(std::ostream& out, const Stress& s)
{
    out << real(s.sx) << real(s.txy) << real(s.sy) << real(s.sz) << real(s.reduced);
}

} // namespace

void writeResults(std::ostream& out, const ExchangeModel& model, const ElasticSolution& solution)
{
    const auto nodeCount = static_cast<int>(model.nodes.size());
    out << " ZORIND-ELASTIC: płaski stan odkształcenia, metoda elementów brzegowych\n";
    out << " Węzłów: " << nodeCount << ", elementów: " << model.elements.size()
        << ", punktów wewnętrznych: " << model.internalPoints.size() << ", niewiadomych: " << solution.unknowns << "\n";
    out << " Materiał: E =" << real(model.youngModulus) << ", nu =" << real(model.poissonRatio) << "\n";
    out << " Założenia: fundamentalne rozwiązanie Kelvina, elementy proste, przemieszczenia i obciążenia\n";
    out << "   liniowe między węzłami, kolokacja w węzłach; obciążenie jako wektor w układzie x, y\n";
    out << " Naroża z osobnym obciążeniem po obu stronach (kolokacja przesunięta o 1/4 elementu): "
        << solution.cornerNodes << "\n";
    out << " Siły węzłowe: obciążenie scałkowane z funkcją kształtu węzła, na jednostkę grubości\n";
    for (const std::string& note : solution.notes) {
        out << " Uwaga: " << note << "\n";
    }
    out << "\n";

    out << contract::kResultHeaderLine << "\n";
    out << " WĘZEŁ         PRZEM. X         PRZEM. Y           SIŁA X           SIŁA Y\n";
    for (int i = 0; i < nodeCount; ++i) {
        const NodeResult& r = solution.nodes[static_cast<std::size_t>(i)];
        out << integer(i + 1) << real(r.ux) << real(r.uy) << real(r.fx) << real(r.fy) << "\n";
    }
    out << "\n";
    out << "                       NAPRĘŻENIA  W  WĘZŁACH  BRZEGOWYCH\n";
    out << " WĘZEŁ                X                Y            SIG.X           TAU XY            SIG.Y"
           "            SIG.Z          SIG.RED\n";
    for (int i = 0; i < nodeCount; ++i) {
        const NodeResult& r = solution.nodes[static_cast<std::size_t>(i)];
        const Point& p = model.nodes[static_cast<std::size_t>(i)];
        out << integer(i + 1) << real(p.x) << real(p.y);
        writeStress(out, r.stress);
        out << "\n";
    }

    out << "\n";
    out << "                       PUNKTY  WEWNĘTRZNE\n";
    out << "   NR                X                Y         PRZEM. X         PRZEM. Y            SIG.X           TAU XY"
           "            SIG.Y            SIG.Z          SIG.RED\n";
    for (std::size_t i = 0; i < model.internalPoints.size(); ++i) {
        const PointResult& r = solution.points[i];
        const Point& p = model.internalPoints[i];
        out << integer(nodeCount + static_cast<int>(i) + 1) << real(p.x) << real(p.y) << real(r.ux) << real(r.uy);
        writeStress(out, r.stress);
        out << "\n";
    }
}

void writeResultFile(const std::filesystem::path& path, const ExchangeModel& model, const ElasticSolution& solution)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            throw ElasticError("Nie można utworzyć pliku wyników " + temporary.string());
        }
        writeResults(out, model, solution);
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw ElasticError("Błąd zapisu pliku wyników " + temporary.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw ElasticError("Nie można zapisać pliku wyników " + path.string() + ": " + ec.message());
    }
}

} // namespace zorind::elastic
