#include <gtest/gtest.h>

#include <cmath>

#include "model/NumberFormat.h"

namespace zorind {
namespace {

TEST(NumberFormat, FloatsReadAsScanfWouldButNeverInfinite)
{
    EXPECT_EQ(parseFiniteFloat("+2.5"), 2.5f);
    EXPECT_EQ(parseFiniteFloat("-0.1"), -0.1f);
    // Too small for a float: zero or a denormal, as scanf gives it.
    EXPECT_EQ(parseFiniteFloat("1e-50"), 0.0f);
    EXPECT_EQ(parseFiniteFloat("1e-40"), static_cast<float>(1e-40));
    EXPECT_TRUE(std::signbit(*parseFiniteFloat("-1e-50")));
    // Too large, not a number, or not wholly a number: refused.
    for (const char* bad : {"1e39", "-1e39", "inf", "nan", "", "2.5x", "1,5", "++1"}) {
        EXPECT_FALSE(parseFiniteFloat(bad)) << bad;
    }
}

TEST(NumberFormat, IntegersAndTypedDecimals)
{
    EXPECT_EQ(parseInt("+7"), 7);
    EXPECT_EQ(parseInt("-12"), -12);
    EXPECT_FALSE(parseInt("7.0"));
    EXPECT_FALSE(parseInt("99999999999"));
    EXPECT_EQ(parseDecimalText(" 2,5\t", ','), 2.5);
    EXPECT_EQ(parseDecimalText("2.5", ','), 2.5) << "a point is always taken";
    EXPECT_EQ(parseDecimalText("2.5", '.'), 2.5);
    EXPECT_EQ(parseDecimalText("-1e3", '.'), -1000.0);
    EXPECT_FALSE(parseDecimalText("   ", '.'));
    EXPECT_FALSE(parseDecimalText("1 000", ','));
}

TEST(NumberFormat, FixedAndGeneralText)
{
    EXPECT_EQ(formatFixed(0.1f, 6), "0.100000");
    EXPECT_EQ(formatFixed(-2.5, 0), "-2");
    EXPECT_EQ(formatGeneral(static_cast<double>(0.1f), 15), "0.100000001490116");
    EXPECT_EQ(formatGeneral(1e20, 15), "1e+20");
    EXPECT_EQ(formatFixed(3e38, 1).size(), 41u) << "the widest float in fixed notation fits";
    // What the status bar, the lists and the result windows show.
    EXPECT_EQ(displayNumber(0.3f, ','), "0,300000011920929");
    EXPECT_EQ(displayNumber(0.1f, '.'), "0.100000001490116");
    EXPECT_EQ(displayNumber(-2.5f, ','), "-2,5");
}

} // namespace
} // namespace zorind
