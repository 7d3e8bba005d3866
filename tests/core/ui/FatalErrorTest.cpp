#include <gtest/gtest.h>

#include "core/ui/FatalError.h"

namespace zorind {
namespace {

TEST(CodePage852, PolishLettersTakeTheirPlaces)
{
    EXPECT_EQ(toCodePage852("abc 123"), "abc 123");
    EXPECT_EQ(toCodePage852("ąćęłńóśźż"), "\xA5\x86\xA9\x88\xE4\xA2\x98\xAB\xBE");
    EXPECT_EQ(toCodePage852("ĄĆĘŁŃÓŚŹŻ"), "\xA4\x8F\xA8\x9D\xE3\xE0\x97\x8D\xBD");
    EXPECT_EQ(toCodePage852("€"), "?") << "characters without a place become '?'";
    EXPECT_EQ(toCodePage852("a\xC5"), "a?") << "a broken sequence is not read past the end";
}

TEST(FatalErrorDeathTest, WritesThreeLinesAndExitsWithOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(fatalError("Brak pamięci na macierz"), ::testing::ExitedWithCode(1),
                "Wyst\xA5pi\x88 b\x88\x61\x64 podczas dzia\x88\x61nia programu \n"
                "Brak pami\xA9\x63i na macierz\n"
                "\\.\\.\\.powr\xA2t do systemu\\.\\.\\.");
}

} // namespace
} // namespace zorind
