// The result file zorind-elastic writes, read as the application's import
// reads it.
#include "elastic/ResultWriter.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zorind::elastic {
namespace {

using test::addLoop;

constexpr double youngModulus = 210000003072.0;
constexpr double poisson = 0.3;

// The result file read the way the application's import reads it: lines up to
// the header line, one line, block 1, the rest of its line and three lines,
// block 2 by whitespace-separated numbers.
TEST(ResultWriter, ImportReadsEveryNodeValueInPlace)
{
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    addLoop(m, test::square(1.0, 1));
    m.nodes.push_back({5.0, 5.0}); // used by no element
    m.internalPoints = {{0.5, 0.5}};
    ElasticSolution s;
    s.nodes.resize(5);
    for (int i = 0; i < 4; ++i) {
        NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
        const double k = i + 1;
        r = {true, 1e-5 * k, -2e-5 * k, 3e4 * k, -4e4 * k, {5e6 * k, 6e6 * k, 7e6 * k, 8e6 * k, 9e6 * k}};
    }
    s.points.resize(1);
    s.notes = {"Węzeł 5 nie należy do żadnego elementu; jego wyniki są zerowe"};
    std::ostringstream out;
    writeResults(out, m, s);

    std::istringstream in(out.str());
    std::string line;
    int headers = 0;
    while (std::getline(in, line)) {
        if (line != resultHeaderLine) {
            continue;
        }
        ++headers;
        std::getline(in, line);
        for (int i = 0; i < 5; ++i) {
            int nr = 0;
            double ux = 0, uy = 0, fx = 0, fy = 0;
            ASSERT_TRUE(in >> nr >> ux >> uy >> fx >> fy);
            const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
            EXPECT_EQ(nr, i + 1);
            EXPECT_EQ(static_cast<float>(ux), static_cast<float>(r.ux));
            EXPECT_EQ(static_cast<float>(uy), static_cast<float>(r.uy));
            EXPECT_EQ(static_cast<float>(fx), static_cast<float>(r.fx));
            EXPECT_EQ(static_cast<float>(fy), static_cast<float>(r.fy));
        }
        for (int k = 0; k < 4; ++k) {
            std::getline(in, line);
        }
        for (int i = 0; i < 5; ++i) {
            int nr = 0;
            double unused1 = 0, unused2 = 0, sx = 0, txy = 0, sy = 0, sz = 0, red = 0;
            ASSERT_TRUE(in >> nr >> unused1 >> unused2 >> sx >> txy >> sy >> sz >> red);
            const Stress& st = s.nodes[static_cast<std::size_t>(i)].stress;
            EXPECT_EQ(nr, i + 1);
            EXPECT_EQ(static_cast<float>(sx), static_cast<float>(st.sx));
            EXPECT_EQ(static_cast<float>(txy), static_cast<float>(st.txy));
            EXPECT_EQ(static_cast<float>(sy), static_cast<float>(st.sy));
            EXPECT_EQ(static_cast<float>(sz), static_cast<float>(st.sz));
            EXPECT_EQ(static_cast<float>(red), static_cast<float>(st.reduced));
        }
    }
    EXPECT_EQ(headers, 1);
    EXPECT_EQ(std::string(resultHeaderLine).size(), 57u);

    // Internal points keep the numbers the exchange file gives them, after
    // the nodes, with their positions.
    std::istringstream points(out.str().substr(out.str().find("PUNKTY  WEWNĘTRZNE")));
    std::getline(points, line);
    std::getline(points, line);
    int nr = 0;
    double x = 0, y = 0;
    ASSERT_TRUE(points >> nr >> x >> y);
    EXPECT_EQ(nr, 6);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(y, 0.5);
    EXPECT_THAT(out.str(), ::testing::HasSubstr("Węzeł 5 nie należy"));
    std::istringstream lines(out.str());
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 254u);
    }
}

} // namespace
} // namespace zorind::elastic
