#include "platform/base/Number2String.h"

#include "tests/support/GuiTestApplication.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(Number2StringTest, PlainTextKeepsBetweenMinimalAndGreatestDecimals)
{
    const struct
    {
        double value;
        int minPrecision;
        int precision;
        const char* expected;
    } cases[] = {
        {12.5, 2, -1, "12.50"},      // -1: exactly the first precision
        {12.5, 0, 4, "12.5"},        // zeros trimmed down to the minimum
        {12.0, 0, 4, "12"},
        {12.0, 2, 4, "12.00"},
        {12.34567, 0, 3, "12.346"},
        {1500000.0, 0, -1, "1500000"},
        {-0.0001, 2, -1, "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Number2String(QStringLiteral("%s"), c.value, c.minPrecision, c.precision).Text(), QString::fromLatin1(c.expected))
            << c.value;
    EXPECT_EQ(Number2String(QStringLiteral("[%s]"), 1.5, 1).Text(), QStringLiteral("[1.5]"));
    EXPECT_EQ(Number2String::Format(1234.5678, 2), QStringLiteral("1234.57"));
    EXPECT_EQ(Number2String::Format(3.0, 0), QStringLiteral("3"));
    EXPECT_EQ(Number2String::Precision2PrecisionType(6), 6);
    EXPECT_EQ(Number2String::Precision2PrecisionType(9), 0);
    EXPECT_EQ(Number2String::Precision2PrecisionType(-1), 0);
}

TEST(Number2StringTest, FittedTextShortensUntilItFits)
{
    GuiTestApplication::Ensure();
    const QFont font;
    const QFontMetrics metrics(font);
    const auto fitted = [&](double value, int width) {
        return Number2String(QStringLiteral("%s"), font, width, value, 2).Text();
    };

    EXPECT_EQ(fitted(1234567.25, 10000), QStringLiteral("1234567.25"));
    EXPECT_EQ(fitted(1234567.25, metrics.horizontalAdvance(QStringLiteral("1234567"))), QStringLiteral("1234567"));
    EXPECT_EQ(fitted(1234567.25, metrics.horizontalAdvance(QStringLiteral("1235k"))), QStringLiteral("1235k"));
    EXPECT_EQ(fitted(1234567.25, 1), QStringLiteral("#"));
    for (int width : {20, 35, 50, 80})
    {
        const QString text = fitted(-9876543210.0, width);
        EXPECT_TRUE(text == QStringLiteral("#") || metrics.horizontalAdvance(text) <= width) << width;
    }
}
