#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/model/NumberFormat.h"

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

constexpr float kLargest = std::numeric_limits<float>::max();

TEST(NumberFormat, DialogFieldsShowPlainNumbersWhileTheyAreShortAndEveryFloatReadsBack)
{
    EXPECT_EQ(fieldNumber(100000.0f, '.'), "100000");
    EXPECT_EQ(fieldNumber(-2.5f, ','), "-2,5");
    EXPECT_EQ(fieldNumber(0.1f, '.'), "0.1") << "the float's own digits, not its double's";
    EXPECT_EQ(fieldNumber(0.00001f, ','), "0,00001");
    EXPECT_EQ(fieldNumber(123456789012.0f, '.'), "123456790000") << "twelve characters: still plain";
    EXPECT_EQ(fieldNumber(-123456789012.0f, '.'), "-123456790000") << "the sign is not counted";
    EXPECT_EQ(fieldNumber(1e12f, '.'), "1e+12");
    EXPECT_EQ(fieldNumber(1e-11f, '.'), "1e-11");
    EXPECT_EQ(fieldNumber(1.25e-7f, ','), "0,000000125");
    EXPECT_EQ(fieldNumber(1.25e-10f, ','), "1,25e-10");
    EXPECT_EQ(fieldNumber(kLargest, ','), "3,4028235e+38");

    // Whatever a field shows reads back as the very float it shows, across
    // the whole float range, denormals included.
    for (std::uint64_t bits = 0; bits < 0x7f800000u; bits += 9973) {
        for (const std::uint32_t sign : {0u, 0x80000000u}) {
            const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits) | sign);
            const std::string text = fieldNumber(value, ',');
            const std::optional<float> back = typedFloat(parseDecimalText(text, ','));
            ASSERT_TRUE(back) << text;
            ASSERT_EQ(*back, value) << text;
            ASSERT_LE(text.size(), 15u) << text;
        }
    }
}

TEST(NumberFormat, EveryFiniteFloatTypedIsTakenAndNothingBeyond)
{
    const auto typed = [](const char* text, char separator = '.') {
        return typedFloat(parseDecimalText(text, separator));
    };
    for (const char* largest : {"3.4028235e38", "3.40282347E+38", "+3.4028235e+038", " 3.4028234663852886e38 ",
                                "340282346638528859811704183484516925440"}) {
        EXPECT_EQ(typed(largest), kLargest) << largest;
    }
    EXPECT_EQ(typed("3,4028235e38", ','), kLargest);
    EXPECT_EQ(typed("-3.4028235e38"), -kLargest);
    EXPECT_EQ(typed("1.4e-45"), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(typed("1e-50"), 0.0f) << "too small for a float: zero";
    // Beyond the float range, or no number at all.
    for (const char* beyond : {"3.4028236e38", "-3.5e38", "1e39", "1e400", "inf", "nan", "1 000", ""}) {
        EXPECT_FALSE(typed(beyond)) << beyond;
    }
    EXPECT_FALSE(typedFloat(std::nullopt));
}

TEST(NumberFormat, AZeroIsShownAndTakenWithoutASign)
{
    EXPECT_EQ(fieldNumber(-0.0f, '.'), "0");
    EXPECT_EQ(fieldNumber(-0.0f, ','), "0");
    EXPECT_EQ(shownFixed(-0.0, 2), "0.00");
    EXPECT_EQ(shownFixed(-0.004, 2), "0.00") << "rounds to zero";
    EXPECT_EQ(shownFixed(-0.005001, 2), "-0.01");
    for (const char* zero : {"-0", "-1e-50", "-0,0"}) {
        const std::optional<float> value = typedFloat(parseDecimalText(zero, ','));
        ASSERT_TRUE(value) << zero;
        EXPECT_FALSE(std::signbit(*value)) << zero;
    }
    std::string text = "-0,000e+00";
    dropSignOfZero(text);
    EXPECT_EQ(text, "0,000e+00");
    for (const char* kept : {"-0.01", "-10", "-1e-05", "-"}) {
        text = kept;
        dropSignOfZero(text);
        EXPECT_EQ(text, kept);
    }
}

} // namespace
} // namespace zorind
