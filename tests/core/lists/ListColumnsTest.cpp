#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/exchange/ElasticityResults.h"
#include "core/lists/ListColumns.h"
#include "core/lists/ListRows.h"
#include "core/model/NumberFormat.h"
#include "core/solver/ResultLists.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// A copy text holds the stored float: it reads back as that float in any
// locale, with at most 9 significant digits.
void expectCopiedAsStored(const std::string& copied, float stored, const std::string& where)
{
    float read = 0.0f;
    const auto [end, error] = std::from_chars(copied.data(), copied.data() + copied.size(), read);
    EXPECT_TRUE(error == std::errc{} && end == copied.data() + copied.size()) << where << ": " << copied;
    EXPECT_EQ(read, stored) << where << ": " << copied;
    std::string digits;
    for (char c : copied.substr(0, copied.find('e'))) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0 && !(digits.empty() && c == '0')) {
            digits += c;
        }
    }
    EXPECT_LE(digits.size(), 9u) << where << ": " << copied;
}

struct Value {
    std::size_t row;
    std::size_t column;
    float stored;
};

// In the rows named by `values`, the cells listed there are shown as `show`
// writes them and copied as stored; every other cell of those rows is copied
// as it is shown.
template <class Show>
void expectCopiesOf(const char* list, const ListColumns& table, std::initializer_list<Value> values, Show show)
{
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (std::none_of(values.begin(), values.end(), [r](const Value& v) { return v.row == r; })) {
            continue;
        }
        const ListRow& row = table.rows[r];
        ASSERT_EQ(row.copied.size(), row.shown.size()) << list;
        for (std::size_t c = 0; c < row.shown.size(); ++c) {
            const std::string where = std::string(list) + " " + std::to_string(r) + "," + std::to_string(c);
            const auto value =
                std::find_if(values.begin(), values.end(), [&](const Value& v) { return v.row == r && v.column == c; });
            if (value == values.end()) {
                EXPECT_EQ(row.copied[c], row.shown[c]) << where;
                continue;
            }
            EXPECT_EQ(row.shown[c], show(value->stored)) << where;
            expectCopiedAsStored(row.copied[c], value->stored, where);
        }
    }
}

TEST(ListColumns, EveryListCopiesItsStoredValuesWithADecimalPointAndShowsThemAsBefore)
{
    EXPECT_EQ(copiedNumber(0.1f), "0.100000001");
    EXPECT_EQ(copiedNumber(2.5e-7f), "2.49999999e-07");

    const auto general = [](float v) { return displayNumber(v, ','); };
    const auto sixDecimals = [](float v) { return formatElasticityValue(v, ','); };
    Project p = test::emptyProject();
    test::addNode(p, 0.1f, 2.5e-7f);
    test::addInternalPoint(p, -1234.5678f, 3.0e20f);
    expectCopiesOf("nodes", nodeListColumns(p, ','), {{0, 1, 0.1f}, {0, 2, 2.5e-7f}}, general);
    expectCopiesOf("internal points", internalPointListColumns(p, ','), {{0, 1, -1234.5678f}, {0, 2, 3.0e20f}},
                   general);

    test::addNode(p, 1, 0);
    test::addElement(p, 1, 2);
    p.elementResults[1].slot = {0, 0.3f, -7.25f, 1e-9f, 0, 0, 0, 0};
    p.fluxResults[1].slot = {0, 123456.78f, 0, 0.1f, 0, 0, 0, 0};
    p.internalPoints[1].internalResult = 0.7f;
    p.resultsValid = 1;
    expectCopiesOf("element results", elementResultColumns(p, ','),
                   {{0, 1, 0.3f}, {0, 2, -7.25f}, {0, 3, 1e-9f}, {0, 4, 123456.78f}, {0, 5, 0}, {0, 6, 0.1f}}, general);
    expectCopiesOf("internal results", internalResultColumns(p, ','), {{0, 1, 0.7f}}, general);

    p.analysisType = Elasticity;
    p.conditions[1] = {2, 0.1f, 1e-8f, -7.25f, 0, 0, 0, 0};
    p.conditions[1].atNode2Y = 3.0e-5f;
    expectCopiesOf("conditions", conditionListColumns(p, ','),
                   {{0, 2, 0.1f}, {0, 3, 1e-8f}, {0, 4, -7.25f}, {0, 5, 0}, {0, 6, 0}, {0, 7, 3.0e-5f}}, general);

    // The displacement of node 1 is far below the six decimals shown.
    p.elementResults[1].slot = {0, 2.5e-7f, -3.25e-8f, 1234.5f, 0.1f, 2e7f, 0, 0};
    const ListColumns elasticity = elasticityResultColumns(p, ',');
    EXPECT_EQ(elasticity.rows[0].shown[1], "0,000000");
    const std::array<float, 9> node1 = elasticityValues(p, 1);
    expectCopiesOf("elasticity results", elasticity,
                   {{0, 1, node1[0]},
                    {0, 2, node1[1]},
                    {0, 3, node1[2]},
                    {0, 4, node1[3]},
                    {0, 5, node1[4]},
                    {0, 6, node1[5]},
                    {0, 7, node1[6]},
                    {0, 8, node1[7]},
                    {0, 9, node1[8]}},
                   sixDecimals);
    EXPECT_EQ(elasticity.rows[0].copied[1], "2.49999999e-07");
}

} // namespace
} // namespace zorind
