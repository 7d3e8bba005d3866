#include <gtest/gtest.h>

#include "core/lists/TabSeparated.h"

namespace zorind {
namespace {

TEST(TabSeparated, HeadingsThenOneLinePerRowWithEveryCellTrimmedOnItsLine)
{
    const std::string text = tabSeparatedText({"Nr", "x", "Typ"}, {{"1", "-2.5", "wewnętrzny "},
                                                                   {"12", "1.23456791e-07", " a,b"},
                                                                   {"3", "", "tab\there"},
                                                                   {"4", "1e+30", "two\r\nlines"}});
    EXPECT_EQ(text, "Nr\tx\tTyp\n"
                    "1\t-2.5\twewnętrzny\n"
                    "12\t1.23456791e-07\ta,b\n"
                    "3\t\ttab here\n"
                    "4\t1e+30\ttwo  lines\n");
    EXPECT_EQ(tabSeparatedText({"x"}, {}), "x\n") << "an empty list copies its headings";
}

TEST(RowsToCopy, TheSelectedRowsOnceInOrderOrEveryRowWhenNoneIs)
{
    EXPECT_EQ(rowsToCopy({}, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(rowsToCopy({3, 1, 3}, 4), (std::vector<int>{1, 3}));
    EXPECT_EQ(rowsToCopy({7, -1}, 3), (std::vector<int>{0, 1, 2})) << "rows beyond the list are no selection";
    EXPECT_EQ(rowsToCopy({}, 0), (std::vector<int>{})) << "an empty list";
}

} // namespace
} // namespace zorind
