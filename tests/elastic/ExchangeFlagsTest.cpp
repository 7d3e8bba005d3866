// The displacement lines' flags: which components a line holds.
#include "elastic/ElasticProgram.h"
#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zorind::elastic {
namespace {

// A unit square; its bottom nodes held, node 1 both ways, node 2 in y only
// (a symmetry plane), node 4 in x only, node 3 pulled.
ExchangeModel rollers()
{
    ExchangeModel m;
    m.youngModulus = 210000003072.0;
    m.poissonRatio = 0.3;
    test::addLoop(m, test::square(1.0, 1));
    m.displacements = {{0, 0.0, 0.0}, {1, 0.0, 0.5, false, true}, {3, 0.25, 0.0, true, false}};
    m.tractions = {{2, 0.0, 1e6}};
    return m;
}

TEST(ExchangeReader, FlagsSayWhichComponentsALineHolds)
{
    const ExchangeModel m = parseExchange(test::exchangeText(rollers(), -1));
    ASSERT_EQ(m.displacements.size(), 3u);
    EXPECT_TRUE(m.displacements[0].heldX && m.displacements[0].heldY);
    EXPECT_TRUE(!m.displacements[1].heldX && m.displacements[1].heldY);
    EXPECT_EQ(m.displacements[1].y, 0.5);
    EXPECT_TRUE(m.displacements[2].heldX && !m.displacements[2].heldY);
    EXPECT_EQ(m.displacements[2].x, 0.25);
    EXPECT_TRUE(m.tractions[0].heldX && m.tractions[0].heldY) << "a traction line holds nothing of its own";

    // A line that holds nothing, or a flag other than 0 and 1, is refused
    // with its line.
    const std::string text = test::exchangeText(rollers(), -1);
    const std::size_t line = text.find("2 0.000000 0.500000 0 1");
    ASSERT_NE(line, std::string::npos);
    for (const char* flags : {"0 0", "2 1", "1 -1"}) {
        std::string bad = text;
        bad.replace(line + 20, 3, flags);
        EXPECT_THAT([&] { parseExchange(bad); },
                    ::testing::ThrowsMessage<ElasticError>(::testing::HasSubstr("wiersz 12: przemieszczenie")))
            << flags;
    }
}

// Symmetry planes through the program: a square stretched by ε along x, held
// in x on its left and right sides and in y along its bottom, its top free.
// Each side holds one component and leaves the other free of traction, so
// the body is in plane strain uniaxial stress: u = (ε x, -ν/(1-ν) ε y)
// exactly, σx = E ε / (1 - ν²), σy = 0.
TEST(ElasticProgram, SymmetryPlanesHoldOneComponentEach)
{
    const double strain = 1e-4, nu = 0.3, young = 210000003072.0;
    ExchangeModel m;
    m.youngModulus = young;
    m.poissonRatio = nu;
    test::addLoop(m, test::square(1.0, 2));
    for (std::size_t i = 0; i < m.nodes.size(); ++i) {
        const Point q = m.nodes[i];
        const bool heldX = q.x == 0.0 || q.x == 1.0;
        const bool heldY = q.y == 0.0;
        if (heldX || heldY) {
            m.displacements.push_back({static_cast<int>(i), heldX ? strain * q.x : 0.0, 0.0, heldX, heldY});
        }
    }
    zorind::test::TempDir dir;
    std::ofstream(dir.file("tav_ed.dat"), std::ios::binary) << test::exchangeText(m);
    std::ostringstream err;
    ASSERT_EQ(runElastic(dir.file("tav_ed.dat"), dir.file("tav_ed.wyn"), err), exitSolved) << err.str();
    const ElasticSolution s = solveElastic(parseExchange(test::exchangeText(m)));
    for (std::size_t i = 0; i < m.nodes.size(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i + 1));
        const Point q = m.nodes[i];
        EXPECT_NEAR(s.nodes[i].ux, strain * q.x, 1e-6 * strain);
        EXPECT_NEAR(s.nodes[i].uy, -nu / (1.0 - nu) * strain * q.y, 1e-6 * strain);
        EXPECT_NEAR(s.nodes[i].stress.sx, young * strain / (1.0 - nu * nu), 1e-6 * young * strain);
        EXPECT_NEAR(s.nodes[i].stress.sy, 0.0, 1e-6 * young * strain);
    }
}

} // namespace
} // namespace zorind::elastic
