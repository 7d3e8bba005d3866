// The displacement lines' flags: which components a line holds.
#include "elastic/ElasticProgram.h"
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

// Until the solver holds one component of a node, the program refuses a
// line that does rather than solve it as held both ways.
TEST(ElasticProgram, ALineHoldingOneComponentIsRefusedNamingItsNode)
{
    zorind::test::TempDir dir;
    std::ofstream(dir.file("tav_ed.dat"), std::ios::binary) << test::exchangeText(rollers(), -1);
    std::ostringstream err;
    EXPECT_EQ(runElastic(dir.file("tav_ed.dat"), dir.file("tav_ed.wyn"), err), exitFailed);
    EXPECT_THAT(err.str(), ::testing::HasSubstr("Węzeł 2: przemieszczenie trzymane tylko w kierunku Y"));
}

} // namespace
} // namespace zorind::elastic
