#include "platform/base/TextHelper.h"

#include "tests/support/GuiTestApplication.h"

#include <gtest/gtest.h>

TEST(TextHelperTest, ToDoubleTakesCommaOrDotAndRejectsEverythingElse)
{
    const struct
    {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12.5", true, 12.5},     {"12,5", true, 12.5},   {"  -0,25 ", true, -0.25}, {"+3", true, 3.0},
        {"7.", true, 7.0},        {",5", true, 0.5},      {"0", true, 0.0},          {"1234567.891", true, 1234567.891},
        {"", false, 0.0},         {" ", false, 0.0},      {"-", false, 0.0},         {".", false, 0.0},
        {"1.2.3", false, 0.0},    {"1,234.5", false, 0.0}, {"1 234", false, 0.0},    {"1e3", false, 0.0},
        {"12abc", false, 0.0},    {"0x10", false, 0.0},   {"nan", false, 0.0},       {"inf", false, 0.0},
        {"5%", false, 0.0},       {"--1", false, 0.0},
    };
    for (const auto& c : cases)
    {
        bool ok = !c.ok;
        EXPECT_DOUBLE_EQ(TextHelper::ToDouble(QString::fromLatin1(c.text), &ok), c.value) << c.text;
        EXPECT_EQ(ok, c.ok) << c.text;
    }
    EXPECT_EQ(TextHelper::ParsePrecision(QStringLiteral(" 10,250 ")), 3);
    EXPECT_EQ(TextHelper::ParsePrecision(QStringLiteral("10")), 0);
    EXPECT_EQ(TextHelper::ParsePrecision(QStringLiteral("1.5x")), 0);
    EXPECT_TRUE(TextHelper::IsDecimalNumber(QStringLiteral("-10.5")));
    EXPECT_FALSE(TextHelper::IsDecimalNumber(QStringLiteral(" 10.5")));
}

TEST(TextHelperTest, IntegersAreWholeDecimalTexts)
{
    bool ok = false;
    EXPECT_EQ(TextHelper::ToInt(QStringLiteral(" -42 "), &ok), -42);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextHelper::ToInt(QStringLiteral("12abc"), &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(TextHelper::ToInt(QStringLiteral("2147483648"), &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(TextHelper::ToUInt(QStringLiteral("4294967295"), &ok), 4294967295u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextHelper::ToUInt(QStringLiteral("-1"), &ok), 0u);
    EXPECT_FALSE(ok);
}

TEST(TextHelperTest, NumbersAreWrittenInTheCLocaleWithoutExponent)
{
    EXPECT_EQ(TextHelper::ToString(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(TextHelper::ToString(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(TextHelper::ToString(123456789012.0), QStringLiteral("123456789012"));
    EXPECT_EQ(TextHelper::ToString(0.00001), QStringLiteral("0.00001"));
    EXPECT_EQ(TextHelper::ToString(-0.0), QStringLiteral("0"));

    const struct
    {
        double value;
        int precision;
        bool trim;
        const char* expected;
    } cases[] = {
        {12.5, 2, false, "12.50"},   {12.5, 2, true, "12.5"},     {12.0, 3, true, "12"},
        {1234567.891, 2, false, "1234567.89"}, {-0.004, 2, false, "0.00"}, {-0.004, 2, true, "0"},
        {2.675, 0, false, "3"},      {100.0, 0, true, "100"},     {-1.5, 1, false, "-1.5"},
        {1e15, 2, false, "1000000000000000.00"}, {3.14159, -1, false, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextHelper::ToString(c.value, c.precision, c.trim), QString::fromLatin1(c.expected)) << c.value;
}

TEST(TextHelperTest, TextSizeGrowsWithTheText)
{
    GuiTestApplication::Ensure();
    const QSize one = TextHelper::GetTextSize(QStringLiteral("W"));
    EXPECT_GT(one.width(), 0);
    EXPECT_GT(one.height(), 0);
    EXPECT_GT(TextHelper::GetTextSize(QStringLiteral("WWWW")).width(), one.width());
    EXPECT_EQ(TextHelper::AnsiToUnicode(QByteArray("Zażółć")), QStringLiteral("Zażółć"));
}
