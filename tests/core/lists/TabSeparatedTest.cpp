#include <gtest/gtest.h>

#include "lists/TabSeparated.h"

namespace zorind {
namespace {

TEST(TabSeparated, HeadingsThenRowsWithADecimalPointInEveryNumber)
{
    const std::string text = tabSeparatedText({"Nr", "x", "Typ"},
                                              {{"1", "-2,5", "wewnętrzny "},
                                               {"12", "1,23456789012346e-07", "a,b"},
                                               {"3", ",5", "tab\there"},
                                               {"4", "1e+30", "2,5 3"}},
                                              ',');
    EXPECT_EQ(text, "Nr\tx\tTyp\n"
                    "1\t-2.5\twewnętrzny\n"
                    "12\t1.23456789012346e-07\ta,b\n"
                    "3\t.5\ttab here\n"
                    "4\t1e+30\t2,5 3\n");
    // Shown with a point already, the numbers stay as they are.
    EXPECT_EQ(tabSeparatedText({"x"}, {{"0.5"}}, '.'), "x\n0.5\n");
}

TEST(RowsToCopy, TheSelectedRowsOnceInOrderOrEveryRowWhenNoneIs)
{
    EXPECT_EQ(rowsToCopy({}, 1, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(rowsToCopy({0}, 1, 3), (std::vector<int>{1, 2, 3})) << "the heading row alone is no selection";
    EXPECT_EQ(rowsToCopy({4, 2, 4, 0}, 1, 4), (std::vector<int>{2, 4}));
    EXPECT_EQ(rowsToCopy({}, 0, -1), (std::vector<int>{})) << "an empty list";
}

} // namespace
} // namespace zorind
